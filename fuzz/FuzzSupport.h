#pragma once
// What the fuzz targets share: a private working directory (the game reads
// and writes its files in the working directory), writing the input as one
// of the game's files, a few control values drawn from the input, and the
// way a broken rule is reported.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fuzz {

// Makes a fresh directory, enters it and stays there for the whole run; it
// is removed when the run ends normally.
// With patterns set, the shipped pattern library is copied into Patterns/.
void EnterWorkDirectory(bool patterns);

// Writes bytes as the file at path (relative to the working directory).
void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);
std::string ReadFile(const std::string& path);

// A 64-bit digest of the input: control values (field sizes, filters) that
// change with the input without taking any of its bytes away from the file.
std::uint64_t Digest(std::span<const std::uint8_t> bytes);

// Reports a broken rule and aborts, so that libFuzzer keeps the input.
[[noreturn]] void Fail(const std::string& what);

inline void Check(bool holds, const std::string& what) {
  if (!holds) Fail(what);
}

}  // namespace fuzz
