#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Tile codes of a pattern's grid.
constexpr std::uint8_t tc_Single = 0;        // "0": a one-cell area
constexpr std::uint8_t tc_SingleHash = 253;  // "#": a one-cell area
constexpr std::uint8_t tc_Transparent = 254; // ".": left to another copy
constexpr std::uint8_t tc_Hole = 255;        // "-" and anything else

constexpr int MaxTileColumns = 148;
constexpr int MaxTileRows = 100;

// A regular tessellation read from a Patterns/*.tes file: a tile of codes
// repeated across the field every StepX columns and StepY rows.
struct TTess {
  std::int64_t RegNo = -1;
  std::string FileName;
  std::string Author = "Unknown";
  std::string Name = "Untitled";
  std::string Description;
  std::int32_t Reserved1 = 0;
  std::int32_t Reserved2 = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t StepX = 1;
  std::int32_t StepY = 1;
  // Grid[column - 1][row - 1], column-major like the board's grid.
  std::array<std::array<std::uint8_t, MaxTileRows>, MaxTileColumns> Grid;
  std::uint8_t AreasPerTile = 0;
  std::uint8_t GroupCount = 0;
  std::uint8_t SingleCount = 0;

  TTess() { for (auto& column : Grid) column.fill(tc_Hole); }
  std::uint8_t Code(int column, int row) const { return Grid[column - 1][row - 1]; }
};

// The directory that holds the pattern library, relative to the working
// directory.
inline constexpr const char* PatternDirectory = "Patterns";

// Fills pattern from the file at path (texts are 8-bit, kept as bytes).
void ReadPattern(const std::string& path, TTess& pattern);

// The paths ("Patterns/<entry>") of the entries matching Patterns/*.tes, in
// the directory's enumeration order.
std::vector<std::string> ListPatternFiles(const std::string& directory = PatternDirectory);

// Fills pattern with the first file whose registration number is regNo;
// leaves it untouched when no file has that number.
void FindPattern(std::int32_t regNo, TTess& pattern,
                 const std::string& directory = PatternDirectory);
