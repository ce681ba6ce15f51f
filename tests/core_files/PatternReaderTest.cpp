#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "FilesTestSupport.h"
#include "patterns/Pattern.h"

namespace {

// Lines 1..10 of a pattern file with the given numbers, then the rows.
std::string PatternText(const std::string& width, const std::string& height,
                        const std::vector<std::string>& rows, const std::string& end = "\r\n") {
  std::string text = "77" + end + "Maker" + end + "Title" + end + "About it" + end + "0" + end +
                     "0" + end + width + end + height + end + "2" + end + "2" + end;
  for (const std::string& row : rows) text += row + end;
  return text;
}

TTess Read(std::string_view text) {
  WriteBytes("x.tes", text);
  TTess pattern;
  ReadPattern("x.tes", pattern);
  return pattern;
}

std::int64_t RegNoOf(const std::string& firstLine) {
  return Read(firstLine + "\r\n").RegNo;
}

std::int32_t Reserved1Of(const std::string& line) {
  return Read("1\r\na\r\nb\r\nc\r\n" + line + "\r\n").Reserved1;
}

void ExpectOnlyHoleCodes(const TTess& pattern) {
  for (const auto& column : pattern.Grid)
    for (std::uint8_t code : column) ASSERT_EQ(code, tc_Hole);
}

}  // namespace

TEST(PatternReader, AMissingFileKeepsTheDefaults) {
  TScratchWorkDir dir;
  TTess pattern;
  pattern.Name = "old";
  pattern.Grid[0][0] = 1;
  ReadPattern("Patterns/none.tes", pattern);
  EXPECT_EQ(pattern.RegNo, -1);
  EXPECT_EQ(pattern.FileName, "Patterns/none.tes");
  EXPECT_EQ(pattern.Author, "Unknown");
  EXPECT_EQ(pattern.Name, "Untitled");
  EXPECT_EQ(pattern.Description, "");
  EXPECT_EQ(pattern.StepX, 1);
  EXPECT_EQ(pattern.StepY, 1);
  EXPECT_EQ(pattern.Width, 0);
  EXPECT_EQ(pattern.AreasPerTile, 0);
  ExpectOnlyHoleCodes(pattern);
}

TEST(PatternReader, AnEmptyFileReadsAsZerosAndEmptyTexts) {
  TScratchWorkDir dir;
  const TTess pattern = Read("");
  EXPECT_EQ(pattern.RegNo, 0);
  EXPECT_EQ(pattern.Author, "");
  EXPECT_EQ(pattern.Name, "");
  EXPECT_EQ(pattern.Description, "");
  EXPECT_EQ(pattern.Reserved1, 0);
  EXPECT_EQ(pattern.Reserved2, 0);
  EXPECT_EQ(pattern.Width, 0);
  EXPECT_EQ(pattern.Height, 0);
  EXPECT_EQ(pattern.StepX, 0);
  EXPECT_EQ(pattern.StepY, 0);
  EXPECT_EQ(pattern.AreasPerTile, 0);
  EXPECT_EQ(pattern.GroupCount, 0);
  EXPECT_EQ(pattern.SingleCount, 0);
  ExpectOnlyHoleCodes(pattern);
}

TEST(PatternReader, TheBrickPatternReadsAsDescribed) {
  TScratchWorkDir dir;
  const TTess pattern = Read(
      "101\r\nTile workshop\r\nBricks\r\n"
      "Horizontal dominoes, every other row shifted by one\r\n0\r\n0\r\n3\r\n2\r\n2\r\n2\r\n"
      "11.\r\n.22\r\n");
  EXPECT_EQ(pattern.RegNo, 101);
  EXPECT_EQ(pattern.Author, "Tile workshop");
  EXPECT_EQ(pattern.Name, "Bricks");
  EXPECT_EQ(pattern.Description, "Horizontal dominoes, every other row shifted by one");
  EXPECT_EQ(pattern.Width, 3);
  EXPECT_EQ(pattern.Height, 2);
  EXPECT_EQ(pattern.StepX, 2);
  EXPECT_EQ(pattern.StepY, 2);
  EXPECT_EQ(pattern.Code(1, 1), 1);
  EXPECT_EQ(pattern.Code(2, 1), 1);
  EXPECT_EQ(pattern.Code(3, 1), tc_Transparent);
  EXPECT_EQ(pattern.Code(1, 2), tc_Transparent);
  EXPECT_EQ(pattern.Code(2, 2), 2);
  EXPECT_EQ(pattern.Code(3, 2), 2);
  EXPECT_EQ(pattern.Code(4, 1), tc_Hole);
  EXPECT_EQ(pattern.Code(1, 3), tc_Hole);
  EXPECT_EQ(pattern.GroupCount, 2);
  EXPECT_EQ(pattern.SingleCount, 0);
  EXPECT_EQ(pattern.AreasPerTile, 2);
}

TEST(PatternReader, EachCharacterHasItsCode) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("5", "1", {"1#.-a"}));
  EXPECT_EQ(pattern.Code(1, 1), 1);
  EXPECT_EQ(pattern.Code(2, 1), tc_SingleHash);
  EXPECT_EQ(pattern.Code(3, 1), tc_Transparent);
  EXPECT_EQ(pattern.Code(4, 1), tc_Hole);
  EXPECT_EQ(pattern.Code(5, 1), tc_Hole);
  EXPECT_EQ(pattern.SingleCount, 3);
  EXPECT_EQ(pattern.GroupCount, 1);
  EXPECT_EQ(pattern.AreasPerTile, 4);
}

TEST(PatternReader, DigitsAndCapitalsAreGroupsAndZeroIsASingle) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("5", "1", {"09AZ "}));
  EXPECT_EQ(pattern.Code(1, 1), tc_Single);
  EXPECT_EQ(pattern.Code(2, 1), 9);
  EXPECT_EQ(pattern.Code(3, 1), 10);
  EXPECT_EQ(pattern.Code(4, 1), 35);
  EXPECT_EQ(pattern.Code(5, 1), tc_Hole);  // a space is a hole
  EXPECT_EQ(pattern.GroupCount, 35);
  EXPECT_EQ(pattern.SingleCount, 2);
}

TEST(PatternReader, TheHighestGroupSetsTheGroupCount) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("2", "2", {"33", "BB"}));
  EXPECT_EQ(pattern.GroupCount, 11);
  EXPECT_EQ(pattern.SingleCount, 0);
  EXPECT_EQ(pattern.AreasPerTile, 11);
}

TEST(PatternReader, ShortRowsLeaveHolesThatAreNotCounted) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("3", "2", {"1", "##"}));
  EXPECT_EQ(pattern.Code(2, 1), tc_Hole);
  EXPECT_EQ(pattern.Code(3, 2), tc_Hole);
  EXPECT_EQ(pattern.SingleCount, 2);
}

TEST(PatternReader, LongerRowsKeepTheirExtraColumns) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("2", "1", {"11##"}));
  EXPECT_EQ(pattern.Code(4, 1), tc_SingleHash);
  EXPECT_EQ(pattern.SingleCount, 2);
}

TEST(PatternReader, ANumberIsTheFirstWordOfItsLine) {
  TScratchWorkDir dir;
  EXPECT_EQ(RegNoOf("  42 and words"), 42);
  EXPECT_EQ(RegNoOf("\t-17\tminus"), -17);
  EXPECT_EQ(RegNoOf("+5"), 5);
  EXPECT_EQ(RegNoOf("007"), 7);
}

TEST(PatternReader, ABlankLineBeforeANumberIsSkipped) {
  TScratchWorkDir dir;
  const TTess pattern = Read("\r\n\r\n  \r\n12\r\nAuthor\r\nName\r\n");
  EXPECT_EQ(pattern.RegNo, 12);
  EXPECT_EQ(pattern.Author, "Author");
  EXPECT_EQ(pattern.Name, "Name");
}

TEST(PatternReader, MalformedNumbersReadAsZero) {
  TScratchWorkDir dir;
  for (const char* word : {"abc", "12abc", "0x10", "$10", "1.5", "+", "-", "++1", "+-1", "--1",
                           "1e3", "\xB2"})
    EXPECT_EQ(RegNoOf(word), 0) << word;
}

TEST(PatternReader, NumbersThatDoNotFitTheirWidthReadAsZero) {
  TScratchWorkDir dir;
  EXPECT_EQ(RegNoOf("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(RegNoOf("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(RegNoOf("9223372036854775808"), 0);
  EXPECT_EQ(RegNoOf("-9223372036854775809"), 0);
  EXPECT_EQ(Reserved1Of("2147483647"), INT32_MAX);
  EXPECT_EQ(Reserved1Of("-2147483648"), INT32_MIN);
  EXPECT_EQ(Reserved1Of("2147483648"), 0);
  EXPECT_EQ(Reserved1Of("99999999999999999999"), 0);
}

TEST(PatternReader, ANumberWordLongerThan32CharactersIsReadByItsFirst32) {
  TScratchWorkDir dir;
  EXPECT_EQ(RegNoOf(std::string(30, '0') + "42"), 42);
  EXPECT_EQ(RegNoOf(std::string(30, '0') + "123"), 12);
  EXPECT_EQ(RegNoOf(std::string(31, '0') + "42"), 4);
  EXPECT_EQ(RegNoOf(std::string(31, '0') + "7xyz"), 7);
  EXPECT_EQ(RegNoOf("-" + std::string(30, '0') + "95"), -9);
  EXPECT_EQ(Reserved1Of(std::string(31, '0') + "7xyz"), 7);
  // The rest of the long word is skipped with its line; 32 nines do not fit
  // 64 bits, so they read as 0 like any number too big for its width.
  const TTess pattern = Read(std::string(5000, '9') + "\r\nAuthor\r\n");
  EXPECT_EQ(pattern.RegNo, 0);
  EXPECT_EQ(pattern.Author, "Author");
  // A long number in the middle of the file leaves the lines after it in
  // their places.
  const TTess tile = Read("5\r\nMaker\r\nTitle\r\nAbout it\r\n0\r\n0\r\n" +
                          std::string(31, '0') + "3wide\r\n1\r\n" + std::string(40, '0') +
                          "\r\n2\r\n1#.\r\n");
  EXPECT_EQ(tile.Width, 3);
  EXPECT_EQ(tile.Height, 1);
  EXPECT_EQ(tile.StepX, 0);
  EXPECT_EQ(tile.StepY, 2);
  EXPECT_EQ(tile.Code(1, 1), 1);
  EXPECT_EQ(tile.Code(2, 1), tc_SingleHash);
  EXPECT_EQ(tile.Code(3, 1), tc_Transparent);
}

TEST(PatternReader, LfAndLoneCrLineEndsReadLikeCrLf) {
  TScratchWorkDir dir;
  const std::vector<std::string> rows{"1#.", "-22"};
  const TTess crlf = Read(PatternText("3", "2", rows, "\r\n"));
  for (const char* end : {"\n", "\r"}) {
    const TTess other = Read(PatternText("3", "2", rows, end));
    EXPECT_EQ(other.RegNo, crlf.RegNo);
    EXPECT_EQ(other.Author, crlf.Author);
    EXPECT_EQ(other.Name, crlf.Name);
    EXPECT_EQ(other.Description, crlf.Description);
    EXPECT_EQ(other.StepX, crlf.StepX);
    EXPECT_EQ(other.Width, crlf.Width);
    EXPECT_EQ(other.Grid, crlf.Grid);
    EXPECT_EQ(other.AreasPerTile, crlf.AreasPerTile);
  }
}

TEST(PatternReader, TextsAreKeptAsEightBitBytes) {
  TScratchWorkDir dir;
  const TTess pattern = Read("1\r\nAtelier Caf\xE9\r\n\x93Quotes\x94\r\n");
  EXPECT_EQ(pattern.Author, "Atelier Caf\xE9");
  EXPECT_EQ(pattern.Name, "\x93Quotes\x94");
}

TEST(PatternReader, AVeryLongTextLineIsCutAndTheNextLineStillRead) {
  TScratchWorkDir dir;
  const TTess pattern = Read("1\r\n" + std::string(100000, 'a') + "\r\nName\r\n");
  EXPECT_EQ(pattern.Author, std::string(1024, 'a'));
  EXPECT_EQ(pattern.Name, "Name");
}

TEST(PatternReader, RowsBeyond148ColumnsAreNeitherStoredNorCounted) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("148", "1", {std::string(1000, '#')}) + "next\r\n");
  for (int column = 1; column <= MaxTileColumns; ++column)
    EXPECT_EQ(pattern.Code(column, 1), tc_SingleHash);
  EXPECT_EQ(pattern.SingleCount, 148);
  EXPECT_EQ(pattern.AreasPerTile, 148);
  EXPECT_EQ(pattern.StepX, 2);
}

TEST(PatternReader, NoMoreThanAHundredRowsAreRead) {
  TScratchWorkDir dir;
  std::vector<std::string> rows(150, "1");
  const TTess pattern = Read(PatternText("1", "150", rows));
  EXPECT_EQ(pattern.Height, MaxTileRows);
  for (int row = 1; row <= MaxTileRows; ++row) EXPECT_EQ(pattern.Code(1, row), 1);
}

TEST(PatternReader, OutOfRangeSizesAndStepsAreKeptWithinTheGrid) {
  TScratchWorkDir dir;
  TTess pattern = Read(PatternText("2000000000", "2000000000", {"1"}));
  EXPECT_EQ(pattern.Width, MaxTileColumns);
  EXPECT_EQ(pattern.Height, MaxTileRows);
  EXPECT_EQ(pattern.Code(1, 1), 1);
  pattern = Read(PatternText("-5", "-2147483648", {"1"}));
  EXPECT_EQ(pattern.Width, 0);
  EXPECT_EQ(pattern.Height, 0);
  EXPECT_EQ(pattern.Code(1, 1), tc_Hole);  // no rows read
  pattern = Read("1\r\na\r\nb\r\nc\r\n0\r\n0\r\n1\r\n1\r\n-3\r\n2147483647\r\n#\r\n");
  EXPECT_EQ(pattern.StepX, 0);
  EXPECT_EQ(pattern.StepY, MaxTileRows);
}

TEST(PatternReader, ATileOfMoreThan255AreasIsMadeUnusable) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("148", "2", {std::string(148, '#'), std::string(148, '0')}));
  EXPECT_EQ(pattern.StepX, 0);
  EXPECT_EQ(pattern.StepY, 0);
  EXPECT_EQ(pattern.SingleCount, 255);
  EXPECT_EQ(pattern.AreasPerTile, 255);
}

TEST(PatternReader, ATileOfExactly255AreasStaysUsable) {
  TScratchWorkDir dir;
  // Group Z (35) plus 220 one-cell areas.
  const TTess pattern =
      Read(PatternText("148", "2", {"Z" + std::string(147, '#'), std::string(73, '-')}));
  EXPECT_EQ(pattern.GroupCount, 35);
  EXPECT_EQ(pattern.SingleCount, 220);
  EXPECT_EQ(pattern.AreasPerTile, 255);
  EXPECT_EQ(pattern.StepX, 2);
}

TEST(PatternReader, ZeroBytesInATileAreHoles) {
  TScratchWorkDir dir;
  const TTess pattern = Read(PatternText("3", "1", {std::string("1\0" "1", 3)}));
  EXPECT_EQ(pattern.Code(2, 1), tc_Hole);
  EXPECT_EQ(pattern.SingleCount, 1);
}

TEST(PatternReader, ADirectoryReadsLikeAnUnreadableFile) {
  TScratchWorkDir dir;
  std::filesystem::create_directory("x.tes");
  TTess pattern;
  ReadPattern("x.tes", pattern);
  EXPECT_EQ(pattern.RegNo, 0);
  EXPECT_EQ(pattern.Name, "");
  EXPECT_EQ(pattern.StepX, 0);
  EXPECT_EQ(pattern.AreasPerTile, 0);
}

// Whatever bytes a file holds, the record stays within what the tile-laying
// code can use: sizes within the grid, and counts that cover the tile.
TEST(PatternReader, GarbageFilesAlwaysGiveASafeRecord) {
  TScratchWorkDir dir;
  std::mt19937 random(2024);
  using namespace std::string_literals;
  const std::string alphabet = "0123456789-+ #.\r\n\r\nABZ\0\xFFxa"s;
  for (int trial = 0; trial < 400; ++trial) {
    std::string text(random() % 3000, ' ');
    for (char& c : text)
      c = random() % 4 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
    const TTess pattern = Read(text);
    ASSERT_GE(pattern.Width, 0);
    ASSERT_LE(pattern.Width, MaxTileColumns);
    ASSERT_GE(pattern.Height, 0);
    ASSERT_LE(pattern.Height, MaxTileRows);
    ASSERT_GE(pattern.StepX, 0);
    ASSERT_LE(pattern.StepX, MaxTileColumns);
    ASSERT_GE(pattern.StepY, 0);
    ASSERT_LE(pattern.StepY, MaxTileRows);
    ASSERT_LE(pattern.GroupCount, 35);
    if (pattern.StepX > 0 && pattern.StepY > 0) {
      ASSERT_EQ(pattern.AreasPerTile, pattern.GroupCount + pattern.SingleCount);
    }
  }
}
