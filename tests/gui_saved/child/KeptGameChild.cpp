// A copy of the game for the signal tests: it starts as the program does,
// with the same windows and the same answer to SIGTERM, SIGHUP and SIGINT,
// plays a few moves of a seeded game, writes the saved game that game would
// make to "expected.dat", says "ready" on its standard output and waits in
// the event loop as the program does.
#include <cstdio>
#include <fstream>
#include <QApplication>
#include "board/Random.h"
#include "game/SavedGame.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "game/ui/TerminationHandler.h"
#include "ui/ModalSeams.h"

namespace {

void ClickCell(TMainForm& main, Qt::MouseButton button, int column, int row) {
  const TBoard& board = *main.Board();
  const int x = (board.ColumnLeft(column) + board.ColumnRight(column)) / 2;
  const int y = (board.RowTop(row) + board.RowBottom(row)) / 2;
  main.FormMouseDown(button, x, y);
  main.FormMouseUp(button, x, y);
}

// The first cell of an area that wanted picks; false when there is none.
template <typename TWanted>
bool Find(const TBoard& board, TWanted wanted, int& column, int& row) {
  for (row = 1; row <= board.SizeY(); ++row)
    for (column = 1; column <= board.SizeX(); ++column)
      if (wanted(*board.AreaAt(column, row))) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  TModalSeams seams = TModalSeams::Real();
  TGameWindows windows(seams);
  TMainForm& main = windows.MainForm();
  TTerminationHandler termination(main);
  main.show();

  TGameRecord record;
  record.SetPlayerName("Child");
  record.SizeX = 20;
  record.SizeY = 14;
  record.MinePopulation = 60;
  record.CellSize = 25;
  record.ShapeThreshold = 10;
  record.Holes = 15;
  record.TimedGame = 1;
  record.GameSpeed = 5;
  RandSeed(2028);
  main.CurrentGame() = record;
  main.StartGame();
  int column = 0, row = 0;
  auto safe = [](const TAreaProperties& a) { return !a.Mine && !a.Hole && !a.Uncovered && !a.Marked; };
  auto mine = [](const TAreaProperties& a) { return a.Mine && !a.Marked; };
  if (Find(*main.Board(), safe, column, row)) ClickCell(main, Qt::LeftButton, column, row);
  if (Find(*main.Board(), mine, column, row)) ClickCell(main, Qt::RightButton, column, row);
  for (int tick = 0; tick < 12; ++tick) main.Tick();
  if (!main.GameActive()) return 3;

  const std::string expected = EncodeSavedGame(main.Game().Image());
  std::ofstream("expected.dat", std::ios::binary).write(expected.data(), std::streamsize(expected.size()));
  std::printf("ready\n");
  std::fflush(stdout);
  return QApplication::exec();
}
