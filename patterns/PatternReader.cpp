#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "patterns/Pattern.h"
#include "patterns/PatternText.h"
#include "settings/FileHandle.h"

namespace {

// Author, name and description are one line each; a damaged file could make
// one of them any length, so only this much of each is kept.
constexpr std::size_t MaxPatternTextLength = 1024;

// An optionally signed decimal integer that fills the whole word and fits T;
// anything else (words, hex, overflow, an empty word at the end of the file)
// reads as 0.
template <class T>
T ParseNumber(const std::string& word) {
  if (word.empty()) return 0;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (*first == '+') ++first;  // from_chars takes "-" but not "+"
  if (first == last || (*first == '-' && first != word.data())) return 0;
  T value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last ? value : 0;
}

template <class T>
T ReadNumber(TPatternText& text) {
  return ParseNumber<T>(text.ReadNumberWord());
}

std::string ReadText(TPatternText& text) {
  std::string line;
  text.ReadLine([&line](unsigned char c) {
    if (line.size() < MaxPatternTextLength) line.push_back(static_cast<char>(c));
  });
  return line;
}

// The code a tile character stands for: digits and capital letters are
// groups 0..35 ("0" is a one-cell area), "#" a one-cell area, "." transparent,
// anything else a hole.
std::uint8_t TileCode(unsigned char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c == '#') return tc_SingleHash;
  if (c == '.') return tc_Transparent;
  return tc_Hole;
}

bool MakesOneCellArea(std::uint8_t code) {
  return code == tc_Single || code == tc_SingleHash || code == tc_Hole;
}

// The tile's size and steps as the field may use them: the grid has room for
// 148 x 100 codes, so the tile is cut to that; a negative step makes no sense
// and, like a zero step, makes no areas; a step beyond the grid lays the same
// copies as a step of the grid's size, without the risk of overflowing the
// board's cell arithmetic.
void KeepTileWithinGrid(TTess& pattern) {
  pattern.Width = std::clamp(pattern.Width, 0, MaxTileColumns);
  pattern.Height = std::clamp(pattern.Height, 0, MaxTileRows);
  pattern.StepX = std::clamp(pattern.StepX, 0, MaxTileColumns);
  pattern.StepY = std::clamp(pattern.StepY, 0, MaxTileRows);
}

// Reads the tile rows and counts the areas one copy makes. Characters past
// column 148 have no place in the grid: they are neither stored nor counted.
void ReadTile(TPatternText& text, TTess& pattern) {
  int singles = 0;
  int groups = 0;
  for (int row = 0; row < pattern.Height; ++row) {
    int column = 0;
    text.ReadLine([&](unsigned char c) {
      if (column == MaxTileColumns) return;
      const std::uint8_t code = TileCode(c);
      pattern.Grid[column++][row] = code;
      if (MakesOneCellArea(code)) ++singles;
      else if (code != tc_Transparent) groups = std::max<int>(groups, code);
    });
  }
  // The counts are bytes. A tile of more than 255 areas would make the
  // board's numbering of one copy run into the next, so such a tile is
  // unusable: its steps become 0 and it makes no areas at all.
  constexpr int MaxAreas = std::numeric_limits<std::uint8_t>::max();
  if (singles + groups > MaxAreas) {
    pattern.StepX = 0;
    pattern.StepY = 0;
  }
  pattern.GroupCount = static_cast<std::uint8_t>(groups);
  pattern.SingleCount = static_cast<std::uint8_t>(std::min(singles, MaxAreas));
  pattern.AreasPerTile = static_cast<std::uint8_t>(std::min(singles + groups, MaxAreas));
}

}  // namespace

void ReadPattern(const std::string& path, TTess& pattern) {
  pattern = TTess();
  pattern.FileName = path;
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return;

  // A file that exists but cannot be opened or read (a directory, say) reads
  // like an empty one.
  TFileHandle file(std::fopen(path.c_str(), "rb"));
  TPatternText text(file.get());
  pattern.RegNo = ReadNumber<std::int64_t>(text);
  pattern.Author = ReadText(text);
  pattern.Name = ReadText(text);
  pattern.Description = ReadText(text);
  pattern.Reserved1 = ReadNumber<std::int32_t>(text);
  pattern.Reserved2 = ReadNumber<std::int32_t>(text);
  pattern.Width = ReadNumber<std::int32_t>(text);
  pattern.Height = ReadNumber<std::int32_t>(text);
  pattern.StepX = ReadNumber<std::int32_t>(text);
  pattern.StepY = ReadNumber<std::int32_t>(text);
  KeepTileWithinGrid(pattern);
  ReadTile(text, pattern);
}
