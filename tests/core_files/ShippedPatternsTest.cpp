#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "FilesTestSupport.h"
#include "patterns/Pattern.h"

namespace fs = std::filesystem;

namespace {

struct TShipped {
  fs::path Path;
  TTess Pattern;
};

std::vector<TShipped> ShippedPatterns() {
  std::vector<TShipped> shipped;
  for (const std::string& path : ListPatternFiles((SourceDir() / "Patterns").string())) {
    TShipped entry{path, TTess()};
    ReadPattern(path, entry.Pattern);
    shipped.push_back(std::move(entry));
  }
  return shipped;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The field a tile makes, laid out by the board's rules: copy (tx, ty) puts
// tile cell (k, l) on (tx * StepX + k, ty * StepY + l) for tx, ty from -1 to
// one past the field; groups are numbered from the copy's base, one-cell
// codes after them in visiting order.
struct TLaidField {
  int SizeX = 0;
  int SizeY = 0;
  std::vector<int> Area;    // per cell, -1 when no copy gave it one
  std::vector<int> Writes;  // how many copies wrote the cell
  std::vector<bool> Hole;   // per area
  bool NumberingOverflows = false;

  int Cell(int x, int y) const { return (y - 1) * SizeX + (x - 1); }
};

TLaidField Lay(const TTess& p, int sizeX, int sizeY) {
  TLaidField field;
  field.SizeX = sizeX;
  field.SizeY = sizeY;
  field.Area.assign(sizeX * sizeY, -1);
  field.Writes.assign(sizeX * sizeY, 0);
  const int copiesX = sizeX / p.StepX + 3;
  const int copiesY = sizeY / p.StepY + 3;
  field.Hole.assign(p.AreasPerTile * copiesX * copiesY, false);
  int base = 0;
  for (int tx = -1; tx <= sizeX / p.StepX + 1; ++tx) {
    for (int ty = -1; ty <= sizeY / p.StepY + 1; ++ty) {
      int next = base + p.GroupCount;
      for (int k = 1; k <= p.Width; ++k) {
        for (int l = 1; l <= p.Height; ++l) {
          const int x = tx * p.StepX + k;
          const int y = ty * p.StepY + l;
          if (x < 1 || x > sizeX || y < 1 || y > sizeY) continue;
          const int code = p.Code(k, l);
          int area;
          if (code == tc_Single || code == tc_SingleHash || code == tc_Hole) area = next++;
          else if (code <= 36) area = base + code - 1;
          else continue;
          if (area >= static_cast<int>(field.Hole.size())) {
            field.NumberingOverflows = true;
            continue;
          }
          if (code == tc_Hole) field.Hole[area] = true;
          field.Area[field.Cell(x, y)] = area;
          ++field.Writes[field.Cell(x, y)];
        }
      }
      if (next > base + p.AreasPerTile) field.NumberingOverflows = true;
      base += p.AreasPerTile;
    }
  }
  return field;
}

std::map<int, std::vector<std::pair<int, int>>> CellsByArea(const TLaidField& field) {
  std::map<int, std::vector<std::pair<int, int>>> cells;
  for (int y = 1; y <= field.SizeY; ++y)
    for (int x = 1; x <= field.SizeX; ++x)
      if (const int area = field.Area[field.Cell(x, y)]; area >= 0) cells[area].emplace_back(x, y);
  return cells;
}

bool Connected(const TLaidField& field, const std::vector<std::pair<int, int>>& cells) {
  const int area = field.Area[field.Cell(cells[0].first, cells[0].second)];
  std::vector<bool> seen(field.Area.size(), false);
  std::vector<std::pair<int, int>> stack{cells[0]};
  seen[field.Cell(cells[0].first, cells[0].second)] = true;
  std::size_t reached = 0;
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    ++reached;
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = x + dx, ny = y + dy;
      if (nx < 1 || nx > field.SizeX || ny < 1 || ny > field.SizeY) continue;
      const int cell = field.Cell(nx, ny);
      if (seen[cell] || field.Area[cell] != area) continue;
      seen[cell] = true;
      stack.emplace_back(nx, ny);
    }
  }
  return reached == cells.size();
}

}  // namespace

TEST(ShippedPatterns, TheLibraryHoldsAtLeastTenPatternsWithTheirOwnNumbers) {
  const auto shipped = ShippedPatterns();
  ASSERT_GE(shipped.size(), 10u);
  std::set<std::int64_t> numbers;
  for (const auto& [path, p] : shipped) {
    EXPECT_TRUE(numbers.insert(p.RegNo).second) << "number used twice: " << p.RegNo;
    EXPECT_EQ(path.stem().string(), std::to_string(p.RegNo)) << "file named for its number";
    EXPECT_GT(p.RegNo, 0);
    EXPECT_LE(p.RegNo, INT32_MAX) << "must be findable by a game record";
  }
}

TEST(ShippedPatterns, EveryPatternReadsWithSaneValues) {
  for (const auto& [path, p] : ShippedPatterns()) {
    SCOPED_TRACE(path.string());
    EXPECT_FALSE(p.Author.empty());
    EXPECT_FALSE(p.Name.empty());
    EXPECT_FALSE(p.Description.empty());
    EXPECT_EQ(p.Reserved1, 0);
    EXPECT_EQ(p.Reserved2, 0);
    EXPECT_GE(p.Width, 1);
    EXPECT_GE(p.Height, 1);
    EXPECT_GE(p.StepX, 1);
    EXPECT_LE(p.StepX, p.Width);
    EXPECT_GE(p.StepY, 1);
    EXPECT_LE(p.StepY, p.Height);
    EXPECT_GE(p.AreasPerTile, 1);
    EXPECT_EQ(p.AreasPerTile, p.GroupCount + p.SingleCount);
    // Every row gives all Width codes, and nothing follows the rows.
    const std::vector<std::string> lines = Lines(ReadBytes(path));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(10 + p.Height));
    for (int row = 0; row < p.Height; ++row)
      EXPECT_EQ(lines[10 + row].size(), static_cast<std::size_t>(p.Width)) << "row " << row + 1;
  }
}

TEST(ShippedPatterns, TheBrickPatternIsNumber101AsPublished) {
  TScratchWorkDir dir;
  fs::create_directory("Patterns");
  fs::copy_file(SourceDir() / "Patterns" / "101.tes", "Patterns/101.tes");
  TTess p;
  FindPattern(101, p);
  EXPECT_EQ(p.FileName, "Patterns/101.tes");
  EXPECT_EQ(p.Author, "Tile workshop");
  EXPECT_EQ(p.Name, "Bricks");
  EXPECT_EQ(p.Description, "Horizontal dominoes, every other row shifted by one");
  EXPECT_EQ(p.Width, 3);
  EXPECT_EQ(p.Height, 2);
  EXPECT_EQ(p.StepX, 2);
  EXPECT_EQ(p.StepY, 2);
  EXPECT_EQ(p.GroupCount, 2);
  EXPECT_EQ(p.SingleCount, 0);
  EXPECT_EQ(p.AreasPerTile, 2);
}

// Laid over fields of every shape, each pattern covers every cell exactly
// once (copies neither leave gaps nor overlap), numbers its areas within the
// tile's count, and makes connected areas of playable sizes.
TEST(ShippedPatterns, EveryPatternTilesTheFieldWithoutGapsOrOverlaps) {
  const std::vector<std::pair<int, int>> sizes{{1, 1},   {2, 3},   {7, 7},   {9, 9},
                                               {15, 15}, {16, 16}, {30, 16}, {21, 13},
                                               {147, 98}, {148, 100}};
  for (const auto& [path, p] : ShippedPatterns()) {
    for (const auto& [sizeX, sizeY] : sizes) {
      SCOPED_TRACE(path.string() + " on " + std::to_string(sizeX) + "x" + std::to_string(sizeY));
      const TLaidField field = Lay(p, sizeX, sizeY);
      EXPECT_FALSE(field.NumberingOverflows);
      EXPECT_TRUE(std::all_of(field.Writes.begin(), field.Writes.end(),
                              [](int writes) { return writes == 1; }));
      const auto cells = CellsByArea(field);
      std::size_t largest = 0, holeCells = 0;
      for (const auto& [area, areaCells] : cells) {
        EXPECT_TRUE(Connected(field, areaCells)) << "area " << area;
        largest = std::max(largest, areaCells.size());
        if (field.Hole[area]) holeCells += areaCells.size();
      }
      EXPECT_LE(largest, 12u);
      if (sizeX * sizeY >= 200) {
        const double mean = double(sizeX * sizeY) / cells.size();
        EXPECT_GE(mean, 1.2);
        EXPECT_LE(mean, 9.0);
        EXPECT_LE(holeCells * 4, field.Area.size()) << "at most a quarter of the field in holes";
      }
    }
  }
}
