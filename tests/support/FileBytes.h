#pragma once
// A file's bytes as a string, and a record's bytes as the game's files hold
// them, for the tests of the toolkit-free core.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/GameRecord.h"

// Replaces the file's content; a test whose set-up cannot write stops there.
inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string RecordString(const TGameRecord& record) {
  const TRecordBytes bytes = EncodeRecord(record);
  return std::string(bytes.begin(), bytes.end());
}
