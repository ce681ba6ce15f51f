#include "FilesTestSupport.h"

#include <atomic>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

fs::path SourceDir() {
  if (const char* dir = std::getenv("QUORLANE_SOURCE_DIR"); dir && *dir) return dir;
  return QUORLANE_SOURCE_DIR_FALLBACK;
}
