#pragma once
#include <cstdio>
#include <memory>

// A C stream that closes itself however its reader leaves.
struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFileHandle = std::unique_ptr<std::FILE, TFileCloser>;
