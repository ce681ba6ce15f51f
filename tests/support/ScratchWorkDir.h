#pragma once
#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

// A fresh, empty directory that is made the working directory for the life
// of the object; the previous working directory is restored and the files
// removed afterwards, even when a test fails half way.
class TScratchWorkDir {
 public:
  TScratchWorkDir() : Previous(std::filesystem::current_path()), Dir(UniquePath()) {
    std::filesystem::create_directories(Dir);
    std::filesystem::current_path(Dir);
  }
  ~TScratchWorkDir() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::current_path(Previous, ignored);
    // Tests make files read-only or turn them into directories; undo that
    // before removing everything.
    for (auto it = fs::recursive_directory_iterator(Dir, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(Dir, ignored);
  }
  TScratchWorkDir(const TScratchWorkDir&) = delete;
  TScratchWorkDir& operator=(const TScratchWorkDir&) = delete;

  const std::filesystem::path& Path() const { return Dir; }

 private:
  static std::filesystem::path UniquePath() {
    static std::atomic<unsigned> serial{0};
    std::random_device entropy;
    return std::filesystem::temp_directory_path() /
           ("quorlane-scratch-" + std::to_string(entropy()) + "-" + std::to_string(serial++));
  }

  std::filesystem::path Previous;
  std::filesystem::path Dir;
};
