#pragma once
// A file's bytes as a string, and a record's bytes as the files hold them.
#include <fstream>
#include <iterator>
#include <string>

#include "settings/GameRecord.h"

inline std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Bytes(const TGameRecord& record) {
  const TRecordBytes bytes = EncodeRecord(record);
  return std::string(bytes.begin(), bytes.end());
}
