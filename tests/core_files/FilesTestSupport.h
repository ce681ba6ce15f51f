#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "support/FileBytes.h"

// A fresh, empty directory that is made the working directory for the life
// of the object; the previous working directory and the files are restored
// and removed afterwards, even when a test fails half way.
class TScratchWorkDir {
 public:
  TScratchWorkDir();
  ~TScratchWorkDir();
  TScratchWorkDir(const TScratchWorkDir&) = delete;
  TScratchWorkDir& operator=(const TScratchWorkDir&) = delete;

  const std::filesystem::path& Path() const { return Dir; }

 private:
  std::filesystem::path Previous;
  std::filesystem::path Dir;
};


// Where the shipped Patterns/ library lives.
std::filesystem::path SourceDir();
