#include "FilesTestSupport.h"

#include <atomic>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

fs::path UniqueScratchPath() {
  static std::atomic<unsigned> serial{0};
  std::random_device entropy;
  const std::string leaf = "quorlane-files-" + std::to_string(entropy()) + "-" +
                           std::to_string(serial++);
  return fs::temp_directory_path() / leaf;
}

}  // namespace

TScratchWorkDir::TScratchWorkDir() : Previous(fs::current_path()), Dir(UniqueScratchPath()) {
  fs::create_directories(Dir);
  fs::current_path(Dir);
}

TScratchWorkDir::~TScratchWorkDir() {
  std::error_code ignored;
  fs::current_path(Previous, ignored);
  // Tests make files read-only or turn them into directories; undo that
  // before removing everything.
  for (auto it = fs::recursive_directory_iterator(Dir, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(Dir, ignored);
}

fs::path SourceDir() {
  if (const char* dir = std::getenv("QUORLANE_SOURCE_DIR"); dir && *dir) return dir;
  return QUORLANE_SOURCE_DIR_FALLBACK;
}
