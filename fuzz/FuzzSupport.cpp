#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace fuzz {

namespace {
fs::path WorkDirectory;

// A run that ends normally leaves nothing behind in the temporary folder.
void RemoveWorkDirectory() {
  std::error_code error;
  fs::current_path(fs::temp_directory_path(), error);
  fs::remove_all(WorkDirectory, error);
}
}  // namespace

void EnterWorkDirectory(bool patterns) {
  std::string pattern = (fs::temp_directory_path() / "quorlane-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) Fail("cannot make a working directory");
  WorkDirectory = pattern;
  std::atexit(RemoveWorkDirectory);
  fs::current_path(pattern);
  if (!patterns) return;
  fs::create_directory("Patterns");
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::path(QUORLANE_SOURCE_DIR) / "Patterns", error))
    if (entry.path().extension() == ".tes")
      fs::copy_file(entry.path(), fs::path("Patterns") / entry.path().filename(),
                    fs::copy_options::overwrite_existing, error);
}

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) Fail("cannot write " + path);
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint64_t Digest(std::span<const std::uint8_t> bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ull;  // FNV-1a
  for (const std::uint8_t byte : bytes) hash = (hash ^ byte) * 0x100000001B3ull;
  return hash;
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "\n*** broken rule: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace fuzz
