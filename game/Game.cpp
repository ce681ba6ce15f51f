#include "game/Game.h"
#include <limits>
#include "board/AreaGraph.h"
#include "board/Arithmetic.h"
#include "board/NoGuessPlacement.h"
#include "game/Scoring.h"
#include "settings/GameSettings.h"

TGame::TGame() = default;
TGame::~TGame() = default;

void TGame::Start(const TGameRecord& settings) {
  FInPlay = TGameSettings::FromRecord(settings).ToRecord();
  ++FSerial;
  if (!FBoard) FBoard = std::make_unique<TBoard>();
  // The last press belonged to the old field, whose areas are gone.
  FPressedArea = nullptr;
  FCursor.Reset();
  FBoard->Generate(FInPlay, FClock, FScore);
  FGraph.reset();
  FMinesLaid = false;
  FMayNeedGuess = false;
  FLastColumn = FLastRow = 0;
  FHintsUsed = 0;
  FActive = true;
  FNumLifelines = LifelinesPerGame;
  SetUsingLifeline(false);
}

void TGame::Press(TPlayButton button, int column, int row) {
  if (!FBoard) return;
  FPressedArea = FBoard->AreaAt(column, row);
  if (button == pb_Left) FLeftDown = true;
  if (button == pb_Right) FRightDown = true;
}

// A release elsewhere than its press's area just answers its own press.
TPlayResult TGame::Release(TPlayButton button, int column, int row) {
  if (!FBoard) return pr_Nothing;
  const TAreaProperties* area = FBoard->AreaAt(column, row);
  const bool sameArea = area && area == FPressedArea;
  TPlayResult result = pr_Nothing;
  if (button == pb_Left) {
    if (sameArea && FRightDown) {
      result = Tint(column, row);
      FRightDown = false;
    } else if (sameArea && FOptions.OpenAround && area->Uncovered) {
      result = OpenAroundAt(column, row);
    } else if (sameArea) {
      result = Uncover(column, row);
    }
    FLeftDown = false;
  } else if (button == pb_Middle) {
    if (sameArea) result = OpenAroundAt(column, row);
  } else if (button == pb_Right) {
    if (sameArea && FLeftDown) {
      result = Tint(column, row);
      FLeftDown = false;
    } else if (sameArea) {
      result = ToggleMark(column, row);
    }
    FRightDown = false;
  }
  return result;
}

void TGame::MoveCursor(TCursorMove move) {
  if (!FBoard) return;
  FCursor.Move(move, *FBoard);
  FBoard->SetCursor(FCursor.Column(), FCursor.Row());
}

void TGame::ShowCursor() {
  if (!FBoard) return;
  FCursor.Show(*FBoard);
  FBoard->SetCursor(FCursor.Column(), FCursor.Row());
}

void TGame::HideCursor() {
  FCursor.Hide();
  if (FBoard) FBoard->SetCursor(0, 0);
}

TPlayResult TGame::PlayAtCursor(TCursorAction action) {
  if (!FBoard || FLeftDown || FRightDown) return pr_Nothing;
  if (!FCursor.Shown()) {
    ShowCursor();  // a hidden cursor only shows
    return pr_Nothing;
  }
  const int column = FCursor.Column(), row = FCursor.Row();
  switch (action) {
    case ca_Uncover:
      Press(pb_Left, column, row);
      return Release(pb_Left, column, row);
    case ca_Mark:
      Press(pb_Right, column, row);
      return Release(pb_Right, column, row);
    case ca_Tint:
      Press(pb_Left, column, row);
      Press(pb_Right, column, row);
      return Release(pb_Left, column, row);
  }
  return pr_Nothing;
}

// Every action on the field ends the hint shown, and is where the next hint
// looks first while the cursor is hidden.
void TGame::BeginAction(int column, int row) {
  FBoard->ClearProof();
  FLastColumn = column;
  FLastRow = row;
}

TPlayResult TGame::Uncover(int column, int row) {
  BeginAction(column, row);
  if (!FMinesLaid) LayMinesWithoutGuess(column, row);
  const std::int32_t bonus = TimeBonus(FInPlay.GameSpeed, FInPlay.MinePopulation);
  const bool exploded = FBoard->Uncover(column, row, bonus, FScore, FClock, FInPlay.Timed());
  if (exploded && !FUsingLifeline) {
    FScore = ScoreAfterExplosion(FScore);
    return pr_Lost;
  }
  // An armed lifeline is spent by the uncover it covered, mine or not.
  if (FNumLifelines > 0 && FUsingLifeline) --FNumLifelines;
  SetUsingLifeline(false);
  return pr_Uncovered;
}

// The generation laid the mines as always; with the option on they move
// now, their number kept, before the board sees the uncover. An uncover
// that the board ignores (a marked area, a hole) is no first uncover.
void TGame::LayMinesWithoutGuess(int column, int row) {
  if (!FBoard->OnField(column, row)) return;
  const TAreaProperties* area = FBoard->AreaAt(column, row);
  if (!area || area->Hole || area->Marked || area->Uncovered) return;
  FMinesLaid = true;
  if (!FOptions.NoGuess) return;
  std::int32_t mines = 0;
  for (const TAreaRef& each : FBoard->Areas()) mines += each->Mine;
  const TPlacement placement = PlaceWithoutGuess(Graph(), FBoard->AreaNumberAt(column, row), mines);
  if (!placement.Mines.empty()) FBoard->LayMines(placement.Mines);
  FMayNeedGuess = !placement.Deducible;
}

TPlayResult TGame::Tint(int column, int row) {
  BeginAction(column, row);
  FBoard->Tint(column, row);
  return pr_Tinted;
}

TPlayResult TGame::ToggleMark(int column, int row) {
  BeginAction(column, row);
  FBoard->ToggleMark(column, row, FScore);
  return pr_Marked;
}

bool TGame::TickClock() {
  if (!FActive) return false;
  if (FInPlay.Timed()) {
    --FClock;
    if (FClock < 0) {
      FTimeRanOut = true;
      return true;
    }
  } else if (FClock < std::numeric_limits<std::int32_t>::max()) {
    ++FClock;
  }
  return false;
}

std::optional<TSuccess> TGame::TakeSuccess() {
  // Only a game in play can be won: a lost field stays lost.
  if (!FActive || !FBoard || !FBoard->IsCleared()) return std::nullopt;
  FBoard->ClearHover();
  FBoard->ClearProof();
  FActive = false;
  TSuccess success;
  success.Unexplored = FBoard->UnexploredCount();
  success.UnexploredBonus = UnexploredBonus(success.Unexplored);
  success.Timed = FInPlay.Timed();
  success.Clock = FClock;
  success.TimeLeftBonus = success.Timed ? TimeLeftBonus(FClock, FInPlay.MinePopulation) : 0;
  FScore = SaturatingAdd(SaturatingAdd(FScore, success.TimeLeftBonus), success.UnexploredBonus);
  return success;
}

bool TGame::Lose() {
  // A mine that goes off with the clock already at zero or below (after a
  // defused mine's penalty) is still a mine, not a time-out.
  const bool timedOut = FTimeRanOut;
  FTimeRanOut = false;
  FActive = false;
  if (FBoard) FBoard->ClearProof();
  return timedOut;
}

const TGameRecord& TGame::FinishedRecord() {
  FInPlay.Score = FScore;
  FInPlay.Clock = FClock;
  return FInPlay;
}

void TGame::ToggleLifeline() { SetUsingLifeline(FNumLifelines > 0 ? !FUsingLifeline : false); }

void TGame::SetUsingLifeline(bool value) {
  FUsingLifeline = value;
  if (FBoard) FBoard->SetLifeline(value);
}

TGameImage TGame::Image() const {
  TGameImage image;
  image.InPlay = FInPlay;
  image.Clock = FClock;
  image.Score = FScore;
  image.NumLifelines = FNumLifelines;
  image.HintsUsed = FHintsUsed;
  image.UsingLifeline = FUsingLifeline;
  image.MinesLaid = FMinesLaid;
  image.MayNeedGuess = FMayNeedGuess;
  if (FBoard) image.Board = FBoard->Image();
  return image;
}

namespace {

// What a game in play can hold besides its field. A started game keeps its
// settings as a clean record (Start): no score or clock yet, flags 0 or 1,
// the reserved bytes zero. An armed lifeline is one still left, and is the
// field's too; a field known to need a guess has had its mines laid; an
// untimed clock counts up from zero.
bool GameStateHoldsTogether(const TGameImage& image) {
  if (TGameSettings::FromRecord(image.InPlay).ToRecord() != image.InPlay) return false;
  if (image.NumLifelines < 0 || image.NumLifelines > TGame::LifelinesPerGame || image.HintsUsed < 0) return false;
  if (image.UsingLifeline && image.NumLifelines == 0) return false;
  if (image.UsingLifeline != image.Board.Lifeline) return false;
  if (image.MayNeedGuess && !image.MinesLaid) return false;
  return image.InPlay.Timed() || image.Clock >= 0;
}

}  // namespace

// The field is rebuilt on a board of its own, so that a refused image
// leaves the game in play untouched. A restore happens at the program's
// start, before any board exists, so the new board's "One Mark in Areas"
// (off) is what a start shows anyway.
bool TGame::Restore(const TGameImage& image) {
  if (!GameStateHoldsTogether(image)) return false;
  auto board = std::make_unique<TBoard>();
  if (!board->Restore(image.Board)) return false;
  FBoard = std::move(board);
  FInPlay = image.InPlay;
  ++FSerial;
  FPressedArea = nullptr;
  FLeftDown = false;
  FRightDown = false;
  FCursor.Reset();
  // The hint's graph and its nearest-cell reckoning belonged to the old field.
  FGraph.reset();
  FLastColumn = FLastRow = 0;
  FTimeRanOut = false;
  FClock = image.Clock;
  FScore = image.Score;
  FNumLifelines = image.NumLifelines;
  FHintsUsed = image.HintsUsed;
  FMinesLaid = image.MinesLaid;
  FMayNeedGuess = image.MayNeedGuess;
  FActive = true;
  SetUsingLifeline(image.UsingLifeline);
  return true;
}

// The number's own area must be uncovered and show more than 0; its
// touching areas are walked round in the board's order.
TPlayResult TGame::OpenAroundAt(int column, int row) {
  if (!FBoard || !FActive || !FOptions.OpenAround || !FBoard->OnField(column, row)) return pr_Nothing;
  const std::int32_t a = FBoard->AreaNumberAt(column, row);
  const TAreaProperties& area = *FBoard->Areas()[a];
  if (area.Hole || !area.Uncovered || area.Marked || area.MineCount == 0) return pr_Nothing;
  BeginAction(column, row);
  TouchingPlayable(a);
  std::int32_t marks = 0;
  for (const std::int32_t b : FTouching) marks += FBoard->Areas()[b]->Marked;
  if (marks == area.MineCount) return UncoverAround();
  // The areas that the player's marks leave unexplained flash.
  std::vector<std::int32_t> unmarked;
  for (const std::int32_t b : FTouching)
    if (!FBoard->Areas()[b]->Uncovered && !FBoard->Areas()[b]->Marked) unmarked.push_back(b);
  FBoard->Flash(unmarked);
  return pr_Nothing;
}

void TGame::TouchingPlayable(std::int32_t area) {
  FMetBy.assign(FBoard->Areas().size(), -1);
  FTouching.clear();
  FBoard->AppendTouchingAreas(area, FMetBy, FTouching);
  std::erase_if(FTouching, [this](std::int32_t b) { return FBoard->Areas()[b]->Hole; });
}

// Each covered, unmarked area of FTouching (one the flood of an earlier one
// has not opened) is uncovered as a left click on it would be, bonus and
// score included. The first mine that goes off ends the game there; an
// armed lifeline covers them all and is spent once.
TPlayResult TGame::UncoverAround() {
  const std::int32_t bonus = TimeBonus(FInPlay.GameSpeed, FInPlay.MinePopulation);
  bool uncovered = false;
  for (const std::int32_t b : FTouching) {
    const TAreaProperties& other = *FBoard->Areas()[b];
    if (other.Uncovered || other.Marked) continue;
    const auto [c, r] = FBoard->CellOfArea(b);
    uncovered = true;
    if (FBoard->Uncover(c, r, bonus, FScore, FClock, FInPlay.Timed())) {
      FScore = ScoreAfterExplosion(FScore);
      return pr_Lost;
    }
  }
  if (!uncovered) return pr_Nothing;
  if (FNumLifelines > 0 && FUsingLifeline) --FNumLifelines;
  SetUsingLifeline(false);
  return pr_Uncovered;
}

const TAreaGraph& TGame::Graph() {
  if (!FGraph) FGraph = std::make_unique<TAreaGraph>(*FBoard);
  return *FGraph;
}

THint TGame::Hint() {
  if (!FBoard || !FActive) return {};
  FBoard->ClearProof();
  int column = (FBoard->SizeX() + 1) / 2, row = (FBoard->SizeY() + 1) / 2;
  if (FCursor.Shown()) {
    column = FCursor.Column();
    row = FCursor.Row();
  } else if (FLastColumn != 0) {
    column = FLastColumn;
    row = FLastRow;
  }
  THint hint = FindHint(*FBoard, Graph(), column, row, std::chrono::steady_clock::now() + FHintTimeLimit);
  if (hint.Area < 0) return hint;
  ++FHintsUsed;
  FScore = SaturatingAdd(FScore, -std::int64_t(HintCost) * FHintsUsed);
  const auto [c, r] = NearestCellOf(*FBoard, hint.Area, column, row);
  FCursor.Place(c, r, *FBoard);
  FBoard->SetCursor(c, r);
  FBoard->ShowProof(hint.Proof);
  return hint;
}
