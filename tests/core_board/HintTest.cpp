#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "BoardTestSupport.h"
#include "FieldKinds.h"
#include "board/AreaGraph.h"
#include "board/ExactSearch.h"
#include "board/Hint.h"

namespace {

TDeadline NoHurry() { return std::chrono::steady_clock::now() + std::chrono::seconds(30); }

// The playable areas an area touches, found from its cells the plain way.
std::set<int> AreasTouching(const TBoard& board, int area) {
  std::set<int> touching;
  const TAreaProperties* own = board.Areas()[area].get();
  for (const auto& [column, row] : CellsOf(board, own))
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr)
        if (board.OnField(column + dc, row + dr)) {
          const TAreaProperties* other = board.AreaAt(column + dc, row + dr);
          if (other != own && !other->Hole) touching.insert(board.AreaNumberAt(column + dc, row + dr));
        }
  return touching;
}

// Every way of laying mines on the covered areas beside these numbers that
// gives each its number, the uncovered areas holding none: which areas were
// a mine in some way, and safe in some. Empty Areas when there are too many
// to list them all.
struct TAllWays {
  std::vector<int> Areas;
  std::uint32_t SomeMine = 0, SomeSafe = 0;
  bool Any = false;
  // 1: a mine in every way, 0: safe in every way, -1: either, or not beside the numbers.
  int Forced(int area) const {
    const auto at = std::find(Areas.begin(), Areas.end(), area) - Areas.begin();
    if (std::size_t(at) == Areas.size()) return -1;
    if (!(SomeSafe >> at & 1u)) return 1;
    if (!(SomeMine >> at & 1u)) return 0;
    return -1;
  }
};

bool ListAllWays(const TBoard& board, const std::vector<int>& numbers, TAllWays& ways) {
  std::map<int, int> bitOf;
  std::vector<std::pair<std::uint32_t, int>> masks;
  for (const int r : numbers) {
    std::uint32_t mask = 0;
    for (const int u : AreasTouching(board, r)) {
      if (board.Areas()[u]->Uncovered) continue;
      if (!bitOf.count(u)) {
        if (bitOf.size() == 16) return false;
        bitOf.emplace(u, int(bitOf.size()));
        ways.Areas.push_back(u);
      }
      mask |= 1u << bitOf[u];
    }
    masks.emplace_back(mask, board.Areas()[r]->MineCount);
  }
  const std::uint32_t all = (1u << ways.Areas.size()) - 1;
  for (std::uint32_t laid = 0; laid <= all; ++laid) {
    bool fits = true;
    for (const auto& [mask, need] : masks) fits = fits && std::popcount(laid & mask) == need;
    if (!fits) continue;
    ways.Any = true;
    ways.SomeMine |= laid;
    ways.SomeSafe |= ~laid & all;
  }
  return true;
}

// A field of a few moves: safe areas uncovered, a mine or two met under
// the grace (and marked), and marks placed at random, right or wrong.
void PlayAndMarkAtRandom(TBoard& board, std::mt19937& draw) {
  std::int32_t score = 100, clock = 0;
  auto anyCell = [&] {
    return std::pair{std::uniform_int_distribution<int>(1, board.SizeX())(draw),
                     std::uniform_int_distribution<int>(1, board.SizeY())(draw)};
  };
  const int moves = std::uniform_int_distribution<int>(2, 8)(draw);
  for (int move = 0; move < moves; ++move) {
    const auto [column, row] = anyCell();
    if (!board.AreaAt(column, row)->Mine || board.FirstMove()) board.Uncover(column, row, 0, score, clock, false);
  }
  const int marks = std::uniform_int_distribution<int>(0, 3)(draw);
  for (int mark = 0; mark < marks; ++mark) {
    const auto [column, row] = anyCell();
    if (!board.AreaAt(column, row)->Marked) board.ToggleMark(column, row, score);
  }
}

std::vector<int> UncoveredAreas(const TBoard& board) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < board.Areas().size(); ++i)
    if (board.Areas()[i]->Uncovered) numbers.push_back(int(i));
  return numbers;
}

struct THintTally {
  int Fields = 0, Shown = 0, WrongMarks = 0, NoneChecked = 0;
  int ProofNumbers = 0;
};

// Checks one hint: what it says of its area holds over its proof's numbers
// alone, and no number of the proof can be left out; a hint of a mine, or
// none, leaves nothing better unfound among all the numbers.
void CheckHint(const TBoard& board, const THint& hint, const std::string& where, THintTally& tally) {
  TAllWays all;
  const bool listed = ListAllWays(board, UncoveredAreas(board), all);
  if (hint.Kind == hk_None || hint.Kind == hk_Mine) {
    if (!listed) return;
    ++tally.NoneChecked;
    for (std::size_t i = 0; i < board.Areas().size(); ++i) {
      const TAreaProperties& area = *board.Areas()[i];
      if (area.Uncovered || area.Hole) continue;
      EXPECT_NE(all.Forced(int(i)), 0) << where << ": area " << i << " is safe and no hint said so";
      if (hint.Kind == hk_None && !area.Marked) {
        EXPECT_NE(all.Forced(int(i)), 1) << where << ": area " << i << " is a mine and no hint said so";
      }
    }
    return;
  }
  ASSERT_NE(hint.Kind, hk_OutOfTime) << where;
  ASSERT_GE(hint.Area, 0) << where;
  const TAreaProperties& area = *board.Areas()[hint.Area];
  EXPECT_FALSE(area.Uncovered || area.Hole) << where;
  EXPECT_EQ(area.Marked, hint.Kind == hk_WrongMark) << where;
  EXPECT_EQ(area.Mine, hint.Kind == hk_Mine) << where << ": the hint is wrong about the real field";
  const int claim = hint.Kind == hk_Mine ? 1 : 0;
  ++tally.Shown;
  tally.WrongMarks += hint.Kind == hk_WrongMark;
  tally.ProofNumbers += int(hint.Proof.size());
  for (const std::int32_t r : hint.Proof) ASSERT_TRUE(board.Areas()[r]->Uncovered) << where;
  std::vector<int> proof(hint.Proof.begin(), hint.Proof.end());
  TAllWays ways;
  if (!ListAllWays(board, proof, ways)) return;
  EXPECT_EQ(ways.Forced(hint.Area), claim) << where << ": the proof does not prove it";
  for (std::size_t leave = 0; leave < proof.size(); ++leave) {
    std::vector<int> fewer = proof;
    fewer.erase(fewer.begin() + std::ptrdiff_t(leave));
    TAllWays fewerWays;
    ListAllWays(board, fewer, fewerWays);
    EXPECT_NE(fewerWays.Forced(hint.Area), claim) << where << ": number " << proof[leave] << " is not needed";
  }
}

}  // namespace

// On many small fields of every kind, played a little and marked at random
// (some marks wrong), every hint is checked against every way of laying
// the mines: a hint says what its proof's numbers alone force, its proof
// needs every number in it, and "nothing can be proven" is true.
TEST(Hint, IsSoundAndItsProofIsNeededOnSmallFieldsOfEveryKind) {
  TScratchDir dir;
  WriteKindPatterns(dir);
  std::mt19937 draw(25);
  for (int kind = 0; kind < fk_Kinds; ++kind) {
    THintTally tally;
    for (int field = 0; field < 300; ++field) {
      TBoard board;
      RandSeed(std::uint64_t(kind) * 1000 + std::uint64_t(field));
      TGameRecord record = KindRecord(TFieldKind(kind), std::uniform_int_distribution<int>(4, 8)(draw),
                                      std::uniform_int_distribution<int>(4, 7)(draw), draw);
      record.MinePopulation = std::uniform_int_distribution<int>(40, 160)(draw);
      Generate(board, record);
      PlayAndMarkAtRandom(board, draw);
      const TAreaGraph graph(board);
      const int column = std::uniform_int_distribution<int>(1, board.SizeX())(draw);
      const int row = std::uniform_int_distribution<int>(1, board.SizeY())(draw);
      const THint hint = FindHint(board, graph, column, row, NoHurry());
      CheckHint(board, hint, std::string(FieldKindNames[kind]) + " field " + std::to_string(field), tally);
      ++tally.Fields;
    }
    std::printf("[ hint     ] %-7s %d fields, %d hints shown (%d wrong marks, %.1f numbers in a proof), "
                "%d \"nothing better\" checked\n",
                FieldKindNames[kind], tally.Fields, tally.Shown, tally.WrongMarks,
                double(tally.ProofNumbers) / std::max(tally.Shown, 1), tally.NoneChecked);
    EXPECT_GE(tally.Shown, tally.Fields / 3) << FieldKindNames[kind];
    EXPECT_GE(tally.WrongMarks, 5) << FieldKindNames[kind];
  }
}

// Under a row of covered areas a to e (b and d mines), the numbers
// 1 1 2 1 1 and a row of 0s. That a is safe takes two numbers that no rule
// of one or two numbers combines: a + b + c = 1 and b + c + d = 2 leave b + c
// at least 1, so a is 0. The proof is exactly those two, not the 1 beside a.
//
//   row 1:  a b c d e
//   row 2:  1 1 2 1 1
//   row 3:  0 0 0 0 0
TEST(Hint, ShowsTheSafeAreaNearestWithTheNumbersItsProofNeeds) {
  TBoard board;
  FieldWithMines(board, 5, 3, {{2, 1}, {4, 1}});
  for (int column = 1; column <= 5; ++column)
    for (int row = 2; row <= 3; ++row) board.AreaAt(column, row)->Uncovered = true;
  const TAreaGraph graph(board);
  THint hint = FindHint(board, graph, 1, 1, NoHurry());
  ASSERT_EQ(hint.Kind, hk_Safe);
  EXPECT_EQ(hint.Area, board.AreaNumberAt(1, 1));
  EXPECT_EQ(hint.Proof, (std::vector<std::int32_t>{board.AreaNumberAt(2, 2), board.AreaNumberAt(3, 2)}));
  hint = FindHint(board, graph, 3, 1, NoHurry());
  EXPECT_EQ(hint.Area, board.AreaNumberAt(3, 1));
  EXPECT_EQ(hint.Proof.size(), 2u) << "a 1 and the 1 beside it: c is 0";
}

// A wrong mark comes first, and of two candidates of one kind the nearer.
//   row 1:  * . . . . . *     (covered; * mines)
//   row 2:  1 1 0 0 0 1 1
//   row 3:  0 0 0 0 0 0 0
TEST(Hint, AWrongMarkComesFirstAndOfOneKindTheNearestArea) {
  TBoard board;
  FieldWithMines(board, 7, 3, {{1, 1}, {7, 1}});
  for (int column = 1; column <= 7; ++column) board.AreaAt(column, 3)->Uncovered = true;
  for (int column = 1; column <= 7; ++column) board.AreaAt(column, 2)->Uncovered = true;
  const TAreaGraph graph(board);
  THint hint = FindHint(board, graph, 6, 1, NoHurry());
  ASSERT_EQ(hint.Kind, hk_Safe);
  EXPECT_EQ(hint.Area, board.AreaNumberAt(6, 1));
  hint = FindHint(board, graph, 2, 1, NoHurry());
  EXPECT_EQ(hint.Area, board.AreaNumberAt(2, 1));
  std::int32_t score = 100;
  board.ToggleMark(5, 1, score);
  hint = FindHint(board, graph, 2, 1, NoHurry());
  EXPECT_EQ(hint.Kind, hk_WrongMark);
  EXPECT_EQ(hint.Area, board.AreaNumberAt(5, 1));
}

// With the safe areas all open only mines are left to show; with nothing
// open, or time up before the exact search could tell, nothing is shown.
TEST(Hint, MinesComeLastAndNothingIsShownWithoutAProof) {
  TBoard board;
  FieldWithMines(board, 3, 3, {{1, 1}, {3, 3}});
  const TAreaGraph graph(board);
  EXPECT_EQ(FindHint(board, graph, 2, 2, NoHurry()).Kind, hk_None) << "nothing uncovered";
  board.AreaAt(2, 2)->Uncovered = true;  // a 2 in the middle: a guess is needed
  EXPECT_EQ(FindHint(board, graph, 2, 2, NoHurry()).Kind, hk_None);
  const THint late = FindHint(board, graph, 2, 2, std::chrono::steady_clock::now() - std::chrono::seconds(1));
  EXPECT_EQ(late.Kind, hk_OutOfTime);
  EXPECT_EQ(late.Area, -1);
  for (const auto& [column, row] : std::vector<std::pair<int, int>>{{2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}})
    board.AreaAt(column, row)->Uncovered = true;
  const THint mine = FindHint(board, graph, 3, 3, NoHurry());
  EXPECT_EQ(mine.Kind, hk_Mine);
  EXPECT_EQ(mine.Area, board.AreaNumberAt(3, 3));
  ASSERT_EQ(mine.Proof.size(), 1u);
  EXPECT_TRUE(board.Areas()[mine.Proof[0]]->Uncovered);
}

// The exact search against every way on small random systems of numbers,
// and on a long chain of numbers that no recursion would get through.
TEST(ExactSearch, AnswersAsEveryWayDoesAndKeepsItsOwnStack) {
  std::mt19937 draw(2525);
  for (int system = 0; system < 300; ++system) {
    const int areas = std::uniform_int_distribution<int>(1, 12)(draw);
    std::uint32_t truth = std::uniform_int_distribution<std::uint32_t>(0, (1u << areas) - 1)(draw);
    TExactSearch search;
    for (int a = 0; a < areas; ++a) search.AddArea();
    std::vector<std::pair<std::uint32_t, int>> numbers;
    for (int n = std::uniform_int_distribution<int>(1, 8)(draw); n > 0; --n) {
      std::vector<int> list;
      std::uint32_t mask = 0;
      for (int a = 0; a < areas; ++a)
        if (draw() % 3 == 0) {
          list.push_back(a);
          mask |= 1u << a;
        }
      // Most numbers tell the truth; a few do not, so some systems have no way at all.
      const int need = std::popcount(truth & mask) + (draw() % 10 == 0 ? 1 : 0);
      search.AddNumber(list, need);
      numbers.emplace_back(mask, need);
    }
    for (int a = 0; a < areas; ++a) {
      // The area's group: the numbers joined to it through shared areas.
      std::uint32_t group = 1u << a;
      for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [mask, need] : numbers)
          if ((mask & group) && (mask | group) != group) {
            group |= mask;
            grew = true;
          }
      }
      for (int value : {0, 1}) {
        bool exists = false;
        for (std::uint32_t laid = 0; laid < (1u << areas) && !exists; ++laid) {
          if (int(laid >> a & 1u) != value) continue;
          bool fits = true;
          for (const auto& [mask, need] : numbers)
            if (mask & group) fits = fits && std::popcount(laid & mask) == need;
          exists = fits;
        }
        const TSearchAnswer answer = search.CanBe(a, value, NoHurry());
        EXPECT_EQ(answer, exists ? sa_Yes : sa_No) << "system " << system << " area " << a << " value " << value;
        if (answer == sa_Yes) {
          EXPECT_TRUE(search.Seen(a, value));
        }
      }
    }
  }
  // A row of 60,000 areas under numbers of 2 over four areas each, every
  // number sharing its last area with the next: the numbers force little,
  // so a way takes tens of thousands of decisions, one on top of another.
  constexpr int Length = 60001;
  TExactSearch loose;
  for (int a = 0; a < Length; ++a) loose.AddArea();
  for (int a = 0; a + 3 < Length; a += 3) loose.AddNumber({a, a + 1, a + 2, a + 3}, 2);
  EXPECT_EQ(loose.CanBe(Length - 1, 1, NoHurry()), sa_Yes);
  EXPECT_EQ(loose.CanBe(0, 0, NoHurry()), sa_Yes);
  // A chain of 1s over pairs: one mine at its start settles every area.
  TExactSearch chain;
  for (int a = 0; a < Length; ++a) chain.AddArea();
  for (int a = 0; a + 1 < Length; ++a) chain.AddNumber({a, a + 1}, 1);
  chain.AddNumber({0}, 1);
  EXPECT_EQ(chain.CanBe(Length - 1, 1, NoHurry()), sa_Yes) << "the even areas are mines";
  EXPECT_EQ(chain.CanBe(Length - 1, 0, NoHurry()), sa_No);
}
