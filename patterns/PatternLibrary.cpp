#include <algorithm>
#include <filesystem>

#include "patterns/Pattern.h"

namespace {

// The library's wildcard is "*.tes". Its extension is matched without regard
// to case, as on the file systems the library was first made for; the name is
// kept as the file system gives it.
bool HasPatternExtension(const std::string& name) {
  constexpr std::string_view Extension = ".tes";
  if (name.size() < Extension.size()) return false;
  const std::string_view tail = std::string_view(name).substr(name.size() - Extension.size());
  return std::equal(tail.begin(), tail.end(), Extension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b;
  });
}

}  // namespace

std::vector<std::string> ListPatternFiles(const std::string& directory) {
  namespace fs = std::filesystem;
  std::vector<std::string> paths;
  std::error_code error;
  // Entries of every kind are listed: one that is not a readable file simply
  // reads as an empty pattern.
  for (fs::directory_iterator entry(directory, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (HasPatternExtension(name)) paths.push_back(directory + "/" + name);
  }
  return paths;
}

void FindPattern(std::int32_t regNo, TTess& pattern, const std::string& directory) {
  TTess candidate;
  for (const std::string& path : ListPatternFiles(directory)) {
    ReadPattern(path, candidate);
    if (candidate.RegNo == std::int64_t{regNo}) {
      pattern = candidate;
      return;
    }
  }
}
