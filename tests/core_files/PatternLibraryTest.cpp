#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "FilesTestSupport.h"
#include "patterns/Pattern.h"

namespace fs = std::filesystem;

namespace {

void WritePattern(const fs::path& path, std::int64_t regNo, const std::string& name) {
  WriteBytes(path, std::to_string(regNo) + "\r\nMaker\r\n" + name +
                       "\r\nText\r\n0\r\n0\r\n2\r\n1\r\n2\r\n1\r\n11\r\n");
}

// A record nobody would read from a file, to see that nothing touches it.
TTess Sentinel() {
  TTess pattern;
  pattern.RegNo = 123456789012LL;
  pattern.FileName = "sentinel";
  pattern.Author = "A";
  pattern.Name = "N";
  pattern.Description = "D";
  pattern.Reserved1 = 11;
  pattern.Reserved2 = 12;
  pattern.Width = 13;
  pattern.Height = 14;
  pattern.StepX = 15;
  pattern.StepY = 16;
  for (auto& column : pattern.Grid) column.fill(0x5A);
  pattern.AreasPerTile = 17;
  pattern.GroupCount = 18;
  pattern.SingleCount = 19;
  return pattern;
}

void ExpectSameRecord(const TTess& a, const TTess& b) {
  EXPECT_EQ(a.RegNo, b.RegNo);
  EXPECT_EQ(a.FileName, b.FileName);
  EXPECT_EQ(a.Author, b.Author);
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.Description, b.Description);
  EXPECT_EQ(a.Reserved1, b.Reserved1);
  EXPECT_EQ(a.Reserved2, b.Reserved2);
  EXPECT_EQ(a.Width, b.Width);
  EXPECT_EQ(a.Height, b.Height);
  EXPECT_EQ(a.StepX, b.StepX);
  EXPECT_EQ(a.StepY, b.StepY);
  EXPECT_TRUE(a.Grid == b.Grid);
  EXPECT_EQ(a.AreasPerTile, b.AreasPerTile);
  EXPECT_EQ(a.GroupCount, b.GroupCount);
  EXPECT_EQ(a.SingleCount, b.SingleCount);
}

std::set<std::string> AsSet(const std::vector<std::string>& paths) {
  return {paths.begin(), paths.end()};
}

}  // namespace

TEST(PatternListing, OnlyEntriesEndingInTesAreListed) {
  TScratchWorkDir dir;
  fs::create_directory("Patterns");
  for (const char* name : {"a.tes", "B.TES", ".hidden.tes", "c.tess", "tes", "d.txt", "e.tes.bak"})
    WriteBytes(fs::path("Patterns") / name, "1\r\n");
  fs::create_directory("Patterns/sub.tes");
  EXPECT_EQ(AsSet(ListPatternFiles()),
            (std::set<std::string>{"Patterns/a.tes", "Patterns/B.TES", "Patterns/.hidden.tes",
                                   "Patterns/sub.tes"}));
}

TEST(PatternListing, AMissingDirectoryListsNothing) {
  TScratchWorkDir dir;
  EXPECT_TRUE(ListPatternFiles().empty());
  WriteBytes("Patterns", "a file, not a directory");
  EXPECT_TRUE(ListPatternFiles().empty());
}

TEST(PatternLookup, TheFirstFileInEnumerationOrderWins) {
  TScratchWorkDir dir;
  fs::create_directory("Patterns");
  WritePattern("Patterns/a.tes", 7, "Alpha");
  WritePattern("Patterns/b.tes", 7, "Beta");
  WritePattern("Patterns/c.tes", 8, "Gamma");
  WritePattern("Patterns/d.tes", 7, "Delta");
  std::string firstWithSeven;
  for (const std::string& path : ListPatternFiles()) {
    TTess candidate;
    ReadPattern(path, candidate);
    if (candidate.RegNo == 7) {
      firstWithSeven = path;
      break;
    }
  }
  TTess found;
  FindPattern(7, found);
  EXPECT_EQ(found.FileName, firstWithSeven);
  EXPECT_EQ(found.RegNo, 7);
  EXPECT_EQ(found.Code(1, 1), 1);
  EXPECT_EQ(found.AreasPerTile, 1);
}

TEST(PatternLookup, NoMatchLeavesTheRecordByteForByte) {
  TScratchWorkDir dir;
  fs::create_directory("Patterns");
  WritePattern("Patterns/a.tes", 7, "Alpha");
  fs::create_directory("Patterns/broken.tes");
  WriteBytes("Patterns/empty.tes", "");
  TTess pattern = Sentinel();
  FindPattern(999, pattern);
  ExpectSameRecord(pattern, Sentinel());
}

TEST(PatternLookup, AMissingLibraryLeavesTheRecordUnchanged) {
  TScratchWorkDir dir;
  TTess pattern = Sentinel();
  FindPattern(101, pattern);
  ExpectSameRecord(pattern, Sentinel());
}

TEST(PatternLookup, NumbersBeyond32BitsAreNeverFound) {
  TScratchWorkDir dir;
  fs::create_directory("Patterns");
  WritePattern("Patterns/big.tes", (std::int64_t{1} << 32) + 7, "Big");
  WritePattern("Patterns/minus.tes", -5, "Minus");
  TTess pattern = Sentinel();
  FindPattern(7, pattern);
  ExpectSameRecord(pattern, Sentinel());
  FindPattern(-5, pattern);
  EXPECT_EQ(pattern.Name, "Minus");
}

TEST(PatternLookup, UnreadableEntriesDoNotHideTheOthers) {
  TScratchWorkDir dir;
  fs::create_directory("Patterns");
  fs::create_directory("Patterns/aaa.tes");
  WriteBytes("Patterns/junk.tes", std::string("\0\0\xFF\x01garbage\r\n\r", 14));
  WritePattern("Patterns/good.tes", 55, "Good");
  TTess pattern;
  FindPattern(55, pattern);
  EXPECT_EQ(pattern.Name, "Good");
}
