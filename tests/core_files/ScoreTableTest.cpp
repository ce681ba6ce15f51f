#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <random>

#include "FilesTestSupport.h"
#include "scores/ScoreTable.h"

namespace fs = std::filesystem;

namespace {

using TScoreList = std::array<TGameRecord, 1 + MaxScoreRows>;

TGameRecord Game(std::int32_t score, std::int32_t clock = 0, const std::string& name = "Ann") {
  TGameRecord r;
  r.SetPlayerName(name);
  r.Score = score;
  r.Clock = clock;  // tells games of equal score apart
  r.SizeX = 15;
  r.SizeY = 15;
  r.MinePopulation = 60;
  r.CellSize = 10;
  r.ShapeThreshold = 10;
  return r;
}

std::string Bytes(const TGameRecord& r) {
  const TRecordBytes bytes = EncodeRecord(r);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void WriteScores(const std::vector<TGameRecord>& games, std::string_view tail = {}) {
  std::string content;
  for (const TGameRecord& game : games) content += Bytes(game);
  content += tail;
  WriteBytes(ScoresFile, content);
}

TScoreList Load(int n, const TScoreFilter& filter = {}, const TGameRecord& reference = Game(0)) {
  TScoreList rows;
  rows[0] = reference;
  LoadScoreRows(ScoresFile, rows, n, filter);
  return rows;
}

std::vector<std::int32_t> Clocks(const TScoreList& rows, int n) {
  std::vector<std::int32_t> clocks;
  for (int row = 1; row <= n; ++row) clocks.push_back(rows[row].Clock);
  return clocks;
}

bool IsPlaceholder(const TGameRecord& r) {
  return r.Score == 0 && r.PlayerName() == "Nobody";
}

TGameRecord WithMines(std::int32_t mines) {
  TGameRecord r = Game(10);
  r.MinePopulation = mines;
  return r;
}

}  // namespace

TEST(ScoreAppending, TheFirstGameCreatesTheFile) {
  TScratchWorkDir dir;
  ASSERT_TRUE(AppendScore(ScoresFile, Game(50)));
  EXPECT_EQ(ReadBytes(ScoresFile), Bytes(Game(50)));
  ASSERT_TRUE(AppendScore(ScoresFile, Game(60)));
  EXPECT_EQ(ReadBytes(ScoresFile), Bytes(Game(50)) + Bytes(Game(60)));
}

TEST(ScoreAppending, ATrailingFragmentIsOverwritten) {
  TScratchWorkDir dir;
  WriteBytes(ScoresFile, Bytes(Game(50)) + std::string(4, '\x55'));
  ASSERT_EQ(fs::file_size(ScoresFile), 100u);
  ASSERT_TRUE(AppendScore(ScoresFile, Game(60)));
  EXPECT_EQ(fs::file_size(ScoresFile), 192u);
  EXPECT_EQ(ReadBytes(ScoresFile), Bytes(Game(50)) + Bytes(Game(60)));
}

TEST(ScoreAppending, EarlierRecordsAreNeverTouched) {
  TScratchWorkDir dir;
  std::mt19937 random(7);
  std::string history(96 * 700 + 50, '\0');
  for (char& c : history) c = static_cast<char>(random());
  WriteBytes(ScoresFile, history);
  ASSERT_TRUE(AppendScore(ScoresFile, Game(1)));
  const std::string after = ReadBytes(ScoresFile);
  ASSERT_EQ(after.size(), 96u * 701);
  EXPECT_EQ(after.substr(0, 96 * 700), history.substr(0, 96 * 700));
  EXPECT_EQ(after.substr(96 * 700), Bytes(Game(1)));
}

TEST(ScoreAppending, AFileThatCannotBeOpenedIsLeftAloneQuietly) {
  TScratchWorkDir dir;
  fs::create_directory(ScoresFile);
  EXPECT_FALSE(AppendScore(ScoresFile, Game(1)));
  EXPECT_TRUE(fs::is_directory(ScoresFile));
  EXPECT_FALSE(AppendScore("no-dir/Scores.dat", Game(1)));
}

TEST(PlaceholderRows, StandForNobodyWithEverySettingZero) {
  const TRecordBytes bytes = EncodeRecord(PlaceholderRow());
  EXPECT_EQ(PlaceholderRow().PlayerName(), "Nobody");
  EXPECT_EQ(PlaceholderRow().Score, 0);
  for (int i = 24; i <= 68; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(MatchDistance, TheWorkedValuesHold) {
  const TGameRecord base = Game(10);
  EXPECT_EQ(MatchDistance(base, base), 0);
  EXPECT_EQ(MatchDistance(base, WithMines(base.MinePopulation + 10)), 3);
  TGameRecord timed = base;
  timed.TimedGame = 1;
  EXPECT_EQ(MatchDistance(base, timed), 3);
  EXPECT_EQ(MatchDistance(timed, base), 3);
  TGameRecord small = base;
  small.SizeX = small.SizeY = 9;
  EXPECT_EQ(MatchDistance(base, small), 6);
  TGameRecord faster = timed;
  faster.GameSpeed = timed.GameSpeed + 5;
  EXPECT_EQ(MatchDistance(timed, faster), 4);
  TGameRecord untimedFaster = base;
  untimedFaster.GameSpeed = base.GameSpeed + 5;
  EXPECT_EQ(MatchDistance(base, untimedFaster), 0);
}

TEST(MatchDistance, EachSettingHasItsWeight) {
  const TGameRecord base = Game(10);
  TGameRecord holes = base, cells = base, link = base;
  holes.Holes += 10;   // S = 2
  cells.CellSize += 10;  // S = 6: 3.11 rounds to 3
  link.Linking += 10;  // S = 5: 2.84 rounds to 3
  EXPECT_EQ(MatchDistance(base, holes), 3);
  EXPECT_EQ(MatchDistance(base, cells), 4);
  EXPECT_EQ(MatchDistance(base, link), 4);
  TGameRecord both = base;
  both.Holes += 10;
  both.MinePopulation -= 10;  // S = 4: 2.54 rounds to 3
  EXPECT_EQ(MatchDistance(base, both), 4);
}

TEST(MatchDistance, NamesScoresThresholdsAndPatternsTakeNoPart) {
  const TGameRecord base = Game(10);
  TGameRecord other = Game(9999, 555, "Someone else");
  other.HolesThreshold = 7;
  other.ShapeThreshold = 70;
  other.LinkThreshold = 3;
  other.PatternFlag = 1;
  other.PatternID = 101;
  other.Reserved80.fill(0xEE);
  EXPECT_EQ(MatchDistance(base, other), 0);
}

TEST(MatchDistance, IsNeverOne) {
  const TGameRecord base = Game(10);
  for (int mines = 0; mines <= 400; ++mines) {
    const std::int32_t distance = MatchDistance(base, WithMines(mines));
    EXPECT_NE(distance, 1) << mines;
    EXPECT_GE(distance, 0);
  }
}

TEST(MatchDistance, DifferencesWrapAroundIn32Bits) {
  // INT32_MAX - INT32_MIN wraps to -1, as the game's 32-bit arithmetic did.
  EXPECT_EQ(MatchDistance(WithMines(INT32_MAX), WithMines(INT32_MIN)), 0);
  EXPECT_GT(MatchDistance(WithMines(INT32_MAX), WithMines(0)), 75);
}

TEST(MatchDistance, HugeFieldSizesNeitherOverflowNorWrap) {
  TGameRecord huge = Game(10);
  huge.SizeX = INT32_MIN;
  huge.SizeY = INT32_MIN;  // 2^62 cells
  TGameRecord negative = Game(10);
  negative.SizeX = INT32_MIN;
  negative.SizeY = INT32_MAX;  // about -2^62 cells
  const std::int32_t farthest = MatchDistance(huge, negative);
  EXPECT_GT(farthest, 1'000'000'000);
  EXPECT_EQ(farthest, MatchDistance(negative, huge));
  // 65536 x 65536 wraps to 0 in 32 bits; taken exactly it is far from 0 x 0.
  TGameRecord square = Game(10);
  square.SizeX = square.SizeY = 65536;
  TGameRecord empty = Game(10);
  empty.SizeX = empty.SizeY = 0;
  EXPECT_GT(MatchDistance(square, empty), 75);
}

TEST(MatchDistance, TheLargestPossibleDistanceFitsIn32Bits) {
  TGameRecord a = Game(10), b = Game(10);
  a.SizeX = a.SizeY = INT32_MIN;
  b.SizeX = INT32_MIN;
  b.SizeY = INT32_MAX;
  a.TimedGame = b.TimedGame = 1;
  a.MinePopulation = a.Holes = a.CellSize = a.Linking = a.GameSpeed = INT32_MIN;
  b.MinePopulation = b.Holes = b.CellSize = b.Linking = b.GameSpeed = 0;
  const std::int32_t distance = MatchDistance(a, b);
  EXPECT_GT(distance, 2'000'000'000);
  EXPECT_LE(distance, INT32_MAX);
}

TEST(ScoreInsertion, RowsStayInDescendingOrderOlderFirstAmongEquals) {
  TScoreList rows;
  for (int row = 1; row <= 4; ++row) rows[row] = PlaceholderRow();
  InsertScore(rows, Game(50, 1), 4);
  InsertScore(rows, Game(70, 2), 4);
  InsertScore(rows, Game(50, 3), 4);
  InsertScore(rows, Game(60, 4), 4);
  EXPECT_EQ(Clocks(rows, 4), (std::vector<std::int32_t>{2, 4, 1, 3}));
  InsertScore(rows, Game(50, 5), 4);  // equal to the last row: stays out
  EXPECT_EQ(Clocks(rows, 4), (std::vector<std::int32_t>{2, 4, 1, 3}));
  InsertScore(rows, Game(80, 6), 4);  // the bottom row drops out
  EXPECT_EQ(Clocks(rows, 4), (std::vector<std::int32_t>{6, 2, 4, 1}));
}

TEST(ScoreInsertion, RowsBeyondNAndTheReferenceAreNeverTouched) {
  TScoreList rows;
  rows[0] = Game(1, 100);
  for (int row = 1; row <= 3; ++row) rows[row] = PlaceholderRow();
  rows[4] = Game(5, 400);
  InsertScore(rows, Game(900, 7), 3);
  EXPECT_EQ(rows[0], Game(1, 100));
  EXPECT_EQ(rows[1], Game(900, 7));
  EXPECT_EQ(rows[4], Game(5, 400));
  InsertScore(rows, Game(900, 8), 0);
  EXPECT_EQ(rows[1], Game(900, 7));
}

TEST(ScoreInsertion, NIsKeptWithinTheRows) {
  std::array<TGameRecord, 3> rows{Game(0), PlaceholderRow(), PlaceholderRow()};
  InsertScore(rows, Game(10, 1), 48);
  InsertScore(rows, Game(20, 2), 48);
  InsertScore(rows, Game(30, 3), -5);
  EXPECT_EQ(rows[1].Clock, 2);
  EXPECT_EQ(rows[2].Clock, 1);
}

TEST(ScoreList, WithoutAFileEveryRowIsAPlaceholder) {
  TScratchWorkDir dir;
  TScoreList rows = Load(46);
  EXPECT_EQ(rows[0], Game(0));
  for (int row = 1; row <= 46; ++row) EXPECT_TRUE(IsPlaceholder(rows[row])) << row;
}

TEST(ScoreList, GamesScoringZeroOrLessNeverAppear) {
  TScratchWorkDir dir;
  WriteScores({Game(0, 1), Game(-40, 2), Game(5, 3), Game(INT32_MIN, 4)});
  const TScoreList rows = Load(3);
  EXPECT_EQ(rows[1].Clock, 3);
  EXPECT_TRUE(IsPlaceholder(rows[2]));
  EXPECT_TRUE(IsPlaceholder(rows[3]));
}

TEST(ScoreList, OnlyTheBestNAreListedAndEqualScoresOldestFirst) {
  TScratchWorkDir dir;
  WriteScores({Game(10, 1), Game(30, 2), Game(20, 3), Game(30, 4), Game(40, 5), Game(5, 6),
               Game(20, 7)});
  EXPECT_EQ(Clocks(Load(4), 4), (std::vector<std::int32_t>{5, 2, 4, 3}));
  EXPECT_EQ(Clocks(Load(7), 7), (std::vector<std::int32_t>{5, 2, 4, 3, 7, 1, 6}));
}

TEST(ScoreList, ARefillReplacesTheRowsOfThePreviousOne) {
  TScratchWorkDir dir;
  TScoreList rows;
  rows[0] = Game(0);
  WriteScores({Game(90, 1), Game(80, 2)});
  LoadScoreRows(ScoresFile, rows, 3, {});
  fs::remove(ScoresFile);
  LoadScoreRows(ScoresFile, rows, 3, {});
  for (int row = 1; row <= 3; ++row) EXPECT_TRUE(IsPlaceholder(rows[row]));
}

TEST(ScoreList, MatchLevelsZeroAndOneListOnlyIdenticalSettings) {
  TScratchWorkDir dir;
  TGameRecord timed = Game(30, 2);
  timed.TimedGame = 1;
  TGameRecord otherPlayerSame = Game(20, 3, "Bob");
  otherPlayerSame.PatternFlag = 1;
  WriteScores({Game(40, 1), timed, otherPlayerSame, WithMines(61)});
  for (int level : {0, 1})
    EXPECT_EQ(Clocks(Load(3, {false, "", level}), 3), (std::vector<std::int32_t>{1, 3, 0})) << level;
}

TEST(ScoreList, ATimedAndAnUntimedGameMeetFromLevelThree) {
  TScratchWorkDir dir;
  TGameRecord timed = Game(30, 2);
  timed.TimedGame = 1;
  WriteScores({timed});
  EXPECT_TRUE(IsPlaceholder(Load(1, {false, "", 2})[1]));
  EXPECT_EQ(Load(1, {false, "", 3})[1].Clock, 2);
}

TEST(ScoreList, Level74HidesDistance75AndLevel75ShowsEverything) {
  TScratchWorkDir dir;
  const TGameRecord reference = Game(0);
  int mines = 0;
  while (MatchDistance(reference, WithMines(mines)) < 75) ++mines;
  ASSERT_EQ(MatchDistance(reference, WithMines(mines)), 75);
  TGameRecord at75 = WithMines(mines);
  at75.Clock = 75;
  TGameRecord farAway = WithMines(1'000'000);
  farAway.Clock = 999;
  WriteScores({at75, farAway});
  EXPECT_TRUE(IsPlaceholder(Load(2, {false, "", 74}, reference)[1]));
  EXPECT_EQ(Clocks(Load(2, {false, "", 75}, reference), 2), (std::vector<std::int32_t>{75, 999}));
}

TEST(ScoreList, ThePlayerFilterComparesNamesExactly) {
  TScratchWorkDir dir;
  WriteScores({Game(10, 1, "Ann"), Game(20, 2, "ann"), Game(30, 3, "Ann "), Game(40, 4, "Bob"),
               Game(50, 5, "Ann")});
  EXPECT_EQ(Clocks(Load(3, {true, "Ann"}), 3), (std::vector<std::int32_t>{5, 1, 0}));
  EXPECT_EQ(Clocks(Load(3, {true, "ann"}), 3), (std::vector<std::int32_t>{2, 0, 0}));
  EXPECT_EQ(Clocks(Load(2, {false, "ann"}), 2), (std::vector<std::int32_t>{5, 4}));
}

TEST(ScoreList, ALongPlayerNameFindsItsGamesCutToSixteen) {
  TScratchWorkDir dir;
  const std::string longName = "Bartholomew the Third";
  TRecordBytes damaged = EncodeRecord(Game(20, 2, longName));
  damaged[0] = 250;  // a corrupt length byte still yields 16 bytes
  WriteScores({Game(10, 1, longName)},
              std::string(reinterpret_cast<const char*>(damaged.data()), damaged.size()));
  EXPECT_EQ(Clocks(Load(3, {true, longName}), 3), (std::vector<std::int32_t>{2, 1, 0}));
  EXPECT_EQ(Clocks(Load(3, {true, longName.substr(0, 16)}), 3),
            (std::vector<std::int32_t>{2, 1, 0}));
  EXPECT_EQ(Clocks(Load(3, {true, longName.substr(0, 15)}), 3),
            (std::vector<std::int32_t>{0, 0, 0}));
}

TEST(ScoreList, AHundredByteFileYieldsOneRecord) {
  TScratchWorkDir dir;
  WriteScores({Game(10, 1)}, std::string(4, '\x7F'));
  const TScoreList rows = Load(3);
  EXPECT_EQ(rows[1].Clock, 1);
  EXPECT_TRUE(IsPlaceholder(rows[2]));
}

TEST(ScoreList, ADirectoryInPlaceOfTheFileGivesPlaceholders) {
  TScratchWorkDir dir;
  fs::create_directory(ScoresFile);
  const TScoreList rows = Load(5);
  for (int row = 1; row <= 5; ++row) EXPECT_TRUE(IsPlaceholder(rows[row]));
}

TEST(ScoreList, NIsClampedToTheListAndToTheRowsGiven) {
  TScratchWorkDir dir;
  std::vector<TGameRecord> games;
  for (int i = 1; i <= 60; ++i) games.push_back(Game(i, i));
  WriteScores(games);
  TScoreList rows = Load(100);
  EXPECT_EQ(rows[1].Clock, 60);
  EXPECT_EQ(rows[48].Clock, 13);
  std::array<TGameRecord, 3> few{Game(0), Game(0), Game(0)};
  LoadScoreRows(ScoresFile, few, 46, {});
  EXPECT_EQ(few[2].Clock, 59);
  std::array<TGameRecord, 2> untouched{Game(0, 1), Game(0, 2)};
  LoadScoreRows(ScoresFile, untouched, -1, {});
  EXPECT_EQ(untouched[1], Game(0, 2));
  LoadScoreRows(ScoresFile, std::span<TGameRecord>(), 46, {});  // no rows at all
}

// The list must equal a plain stable sort of the qualifying records, over a
// file many read blocks long that ends in a fragment.
TEST(ScoreList, AHundredThousandRandomRecordsGiveTheSameListAsASort) {
  TScratchWorkDir dir;
  std::mt19937 random(100000);
  std::vector<TGameRecord> games;
  for (int i = 0; i < 100000; ++i) {
    TGameRecord r = Game(static_cast<std::int32_t>(random() % 2000) - 200, i,
                         random() % 3 ? "Ann" : "Bob");
    r.MinePopulation = static_cast<std::int32_t>(random() % 200);
    r.TimedGame = random() % 2;
    games.push_back(r);
  }
  WriteScores(games, "fragment");
  const TScoreFilter filter{true, "Ann", 20};
  const TGameRecord reference = Game(0);
  std::vector<TGameRecord> expected;
  for (const TGameRecord& r : games)
    if (r.Score > 0 && r.PlayerName() == "Ann" && MatchDistance(reference, r) <= 20)
      expected.push_back(r);
  std::stable_sort(expected.begin(), expected.end(),
                   [](const TGameRecord& a, const TGameRecord& b) { return a.Score > b.Score; });
  ASSERT_GE(expected.size(), 46u);
  const TScoreList rows = Load(46, filter, reference);
  for (int row = 1; row <= 46; ++row) EXPECT_EQ(rows[row], expected[row - 1]) << row;
}

TEST(ScoreList, RecordsOfRandomBytesAreListedAsTheyStand) {
  TScratchWorkDir dir;
  std::mt19937 random(31337);
  std::string content(96 * 3000 + 17, '\0');
  for (char& c : content) c = static_cast<char>(random());
  WriteBytes(ScoresFile, content);
  for (int level : {0, 20, 74, 75}) {
    const TScoreList rows = Load(46, {false, "", level});
    for (int row = 1; row < 46; ++row) EXPECT_GE(rows[row].Score, rows[row + 1].Score);
    for (int row = 1; row <= 46; ++row) EXPECT_GE(rows[row].Score, 0);
    if (level == 75) {
      EXPECT_GT(rows[46].Score, 0);  // half the random scores are positive
    }
  }
}
