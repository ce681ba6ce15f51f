#include <cstdio>
#include <random>
#include "WindowFixture.h"
#include "board/AreaGraph.h"
#include "board/BoardView.h"
#include "board/Random.h"
#include "board/Solver.h"
#include "support/WindowParts.h"

// With No Guessing on, fields of every kind played to the end by the
// solver's moves alone, through the window's mouse handlers: the first
// uncover anywhere, then every area it finds safe uncovered and every mine
// it finds marked, as PlayByDeduction plays a board.
class NoGuessPlayTest : public WindowTest {
 protected:
  struct TKind {
    const char* Name;
    TFieldSettings Settings;
    int PatternID = 0;  // 0: random shapes
  };

  void StartKind(const TKind& kind, std::uint64_t seed) {
    AnswerDialog = [kind](TDlgNewGame& dialog) {
      ApplySettings(dialog, kind.Settings);
      if (kind.PatternID != 0) {
        dialog.SetShapeRandom(false);
        dialog.SetPatternID(kind.PatternID);
      }
      return true;
    };
    RandSeed(seed);
    BtnNewGame(Main)->click();
    AnswerDialog = [](TDlgNewGame&) { return false; };  // after the game: no new one
  }

  // One cell of every area, to click it by.
  std::vector<TCell> CellOfEveryArea() const {
    const TBoard& board = *Main->Board();
    std::vector<TCell> cells(board.Areas().size());
    for (int row = board.SizeY(); row >= 1; --row)
      for (int column = board.SizeX(); column >= 1; --column)
        cells[board.AreaNumberAt(column, row)] = {column, row};
    return cells;
  }

  // Plays until the game ends or the solver finds nothing more; whether
  // the game was won, and whether the status bar said after the first
  // uncover that the field may need a guess.
  bool PlayByDeduction(TCell first, bool& mayNeedAGuess) {
    const TAreaGraph graph(*Main->Board());
    TSolver solver(graph);
    const std::vector<TCell> cells = CellOfEveryArea();
    const std::size_t messages = Messages.size();
    Click(Qt::LeftButton, first);
    mayNeedAGuess = StatusBar(Main)->text() == QStringLiteral(" This field may need a guess");
    EXPECT_FALSE(AreaOf(first)->Mine);
    std::int32_t area = 0;
    for (bool more = true; more && Main->GameActive();) {
      ShowUncovered(*Main->Board(), solver);
      more = solver.Deduce();
      while (solver.TakeSafe(area) && Main->GameActive()) Click(Qt::LeftButton, cells[area]);
      while (solver.TakeMine(area) && Main->GameActive()) {
        Click(Qt::RightButton, cells[area]);
        more = true;
      }
    }
    return Messages.size() == messages + 1 && Messages.back().startsWith(QStringLiteral("Success!!"));
  }
};

// Every field the placement did not mark "may need a guess" is won, on
// every kind of field; the marked ones are few, and their share is told.
TEST_F(NoGuessPlayTest, FieldsOfEveryKindAreWonByDeductionAlone) {
  NamedPart<QAction>(Main, "NoGuess1")->trigger();
  const TKind kinds[] = {
      {"plain", {.Columns = 30, .Rows = 20, .MinePopulation = 80}},
      {"shaped", {.Columns = 30, .Rows = 20, .MinePopulation = 80, .CellSize = 40}},
      {"linked", {.Columns = 30, .Rows = 20, .MinePopulation = 80, .Linking = 30}},
      {"holed", {.Columns = 30, .Rows = 20, .MinePopulation = 80, .Holes = 30}},
      {"pattern", {.Columns = 30, .Rows = 20, .MinePopulation = 80}, 101},
      {"all", {.Columns = 30, .Rows = 20, .MinePopulation = 80, .Holes = 10, .CellSize = 60, .Linking = 50}},
  };
  const int fieldsPerKind = 20;
  int flaggedTotal = 0, fieldsTotal = 0;
  std::mt19937 draw(16);
  for (const TKind& kind : kinds) {
    int won = 0, flagged = 0;
    for (int field = 0; field < fieldsPerKind; ++field) {
      TKind played = kind;
      if (kind.PatternID != 0) played.PatternID = 101 + field % 14;  // the shipped library in turn
      StartKind(played, 1000 + std::uint64_t(field));
      ASSERT_TRUE(Main->GameActive());
      const std::vector<TCell> playable = Cells([](const TAreaProperties& a) { return !a.Hole; });
      const TCell first = playable[std::uniform_int_distribution<std::size_t>(0, playable.size() - 1)(draw)];
      bool mayNeedAGuess = false;
      const bool wins = PlayByDeduction(first, mayNeedAGuess);
      EXPECT_TRUE(wins || mayNeedAGuess) << kind.Name << " field " << field;
      won += wins;
      flagged += mayNeedAGuess;
    }
    std::printf("[ no guess ] %-7s %d of %d won by deduction, %d marked \"may need a guess\"\n", kind.Name, won,
                fieldsPerKind, flagged);
    flaggedTotal += flagged;
    fieldsTotal += fieldsPerKind;
  }
  std::printf("[ no guess ] %d of %d fields (%.1f%%) marked \"may need a guess\"\n", flaggedTotal, fieldsTotal,
              100.0 * flaggedTotal / fieldsTotal);
  EXPECT_LE(flaggedTotal * 20, fieldsTotal) << "at most one field in twenty";
}
