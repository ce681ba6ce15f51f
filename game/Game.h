#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>
#include "board/Board.h"
#include "board/Hint.h"
#include "game/FieldCursor.h"
#include "game/PlayOptions.h"
#include "settings/GameRecord.h"

class TAreaGraph;

// The mouse buttons a field tells apart; the middle button opens around a
// number when that option is on, and any other button only presses.
enum TPlayButton { pb_Left, pb_Right, pb_Middle, pb_Other };

// What the keyboard does at its cursor: what a left click, a right click
// and both buttons together do there.
enum TCursorAction { ca_Uncover, ca_Mark, ca_Tint };

// What a button's release, a key or a hint did to the game.
enum TPlayResult {
  pr_Nothing,    // no action: the release answered no press on its area
  pr_Uncovered,  // an area was uncovered safely (or a lifeline saved it)
  pr_Marked,     // a mark was set or taken off
  pr_Tinted,     // both buttons on one area: its colour was darkened
  pr_Lost,       // a mine went off with no lifeline armed
  pr_Hinted,     // a hint showed an area and took its cost from the score
};

// The reckoning of a cleared field.
struct TSuccess {
  std::int32_t Unexplored = 0;
  std::int32_t UnexploredBonus = 0;
  bool Timed = false;
  std::int32_t Clock = 0;
  std::int32_t TimeLeftBonus = 0;
};

// Everything a game in play is made of, as a saved game keeps it: the
// settings it was started with, its clock, score, lifelines, hints, how far
// its No Guessing placement has gone, and its field. The press in progress,
// the keyboard cursor and the options of the menu are not part of it.
struct TGameImage {
  TGameRecord InPlay{};
  std::int32_t Clock = 0;
  std::int32_t Score = 0;
  std::int32_t NumLifelines = 0;
  std::int32_t HintsUsed = 0;
  bool UsingLifeline = false;
  bool MinesLaid = false;
  bool MayNeedGuess = false;
  TBoardImage Board;

  bool operator==(const TGameImage&) const = default;
};

// One game from its start to its end: the field, the clock, the score, the
// lifelines and the press in progress, with the rules that change them. It
// knows nothing of windows: the window turns the player's input into these
// commands and shows what they return.
class TGame {
 public:
  static constexpr int LifelinesPerGame = 2;
  // The n-th hint of a game that shows an area costs n times this.
  static constexpr std::int32_t HintCost = 10;
  // The exact search of a hint gives up after this long.
  static constexpr std::chrono::milliseconds HintTimeLimit{1000};

  TGame();
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;
  ~TGame();

  // A new field for these settings. The game keeps them as they stand now,
  // normalised to a clean record (reserved bytes zero, flags 0 or 1): later
  // changes of the new game dialog do not reach the game in play.
  void Start(const TGameRecord& settings);
  // A game in play as it stands, and one brought back from such an image:
  // active, as it was, with a new serial. Restore checks the image first
  // (the settings as a started game keeps them, lifelines and hints within
  // their bounds, the field through the board's own checks) and refuses
  // one that fails, leaving the game as it was.
  TGameImage Image() const;
  bool Restore(const TGameImage& image);
  // The field goes (the program is closing); nothing can be played then.
  void DropBoard() { FBoard.reset(); }

  // The mouse protocol. A press and a release count together only on one
  // area; a left and a right press on one area together tint it.
  void Press(TPlayButton button, int column, int row);
  TPlayResult Release(TPlayButton button, int column, int row);

  // The keyboard. A cursor key shows the cursor or moves it; an action
  // plays its area as the matching click would, once the cursor shows (a
  // hidden cursor is only shown), and never while a mouse button is held.
  void MoveCursor(TCursorMove move);
  void ShowCursor();
  void HideCursor();
  TPlayResult PlayAtCursor(TCursorAction action);
  const TFieldCursor& Cursor() const { return FCursor; }

  // "Open Around Numbers": on an uncovered number whose touching areas hold
  // as many marks as it says, every other covered area it touches is
  // uncovered in turn, each as a left click on it would be; a wrong mark
  // lets its mine go off. When the marks do not match, the covered areas it
  // touches flash instead. The left button, the middle button and Space on
  // an uncovered area do it while the option is on, and nothing while off.
  TPlayResult OpenAroundAt(int column, int row);

  // A hint, for a price: what the numbers shown prove (see FindHint), the
  // nearest to the cursor, or to the last area played while the cursor is
  // hidden. The cursor moves to the area it shows and the numbers of its
  // proof are highlighted until the next action. The n-th hint of a game
  // that shows an area costs HintCost x n points; one that finds nothing
  // costs nothing.
  THint Hint();
  // The hints of this game that showed an area.
  std::int32_t HintsUsed() const { return FHintsUsed; }
  void SetHintsUsed(std::int32_t value) { FHintsUsed = value; }
  // The exact search's bound; tests shorten it.
  void SetHintTimeLimit(std::chrono::milliseconds limit) { FHintTimeLimit = limit; }

  // The clock's tenth of a second: a timed game counts down and is lost
  // once the clock falls below zero (the result is true then); an untimed
  // game counts up, to the 32-bit limit.
  bool TickClock();

  // The end of the game. TakeSuccess ends a game in play whose field is
  // cleared, adding the bonuses to the score; Lose ends it as lost and tells
  // whether the clock ran out (rather than a mine going off).
  std::optional<TSuccess> TakeSuccess();
  bool Lose();
  // The record of the game as it ends: its settings, score and clock.
  const TGameRecord& FinishedRecord();

  // The lifeline: armed before a risky uncover, it saves the game if a mine
  // goes off. Arming is possible while lifelines remain.
  void ToggleLifeline();
  void SetUsingLifeline(bool value);
  void SetNumLifelines(int value) { FNumLifelines = value; }

  // "No Guessing": the mines of a field are laid at its first uncover, so
  // that the area uncovered is safe and, wherever the search finds a way,
  // the whole field can be cleared by deduction from there. The option
  // holds from game to game; it acts on the next first uncover.
  bool NoGuess() const { return FOptions.NoGuess; }
  void SetNoGuess(bool value) { FOptions.NoGuess = value; }
  bool OpenAround() const { return FOptions.OpenAround; }
  void SetOpenAround(bool value) { FOptions.OpenAround = value; }
  // The options of the popup menu, all at once.
  const TPlayOptions& Options() const { return FOptions; }
  void SetOptions(const TPlayOptions& options) { FOptions = options; }
  // The mines of the field in play could not be laid that way in the time
  // allowed: it may need a guess. Known from its first uncover on.
  bool MayNeedGuess() const { return FMayNeedGuess; }
  // The field's mines have met their first uncover.
  bool MinesLaid() const { return FMinesLaid; }


  bool Active() const { return FActive; }
  void SetActive(bool value) { FActive = value; }
  TBoard* Board() { return FBoard.get(); }
  const TBoard* Board() const { return FBoard.get(); }
  std::int32_t Clock() const { return FClock; }
  void SetClock(std::int32_t value) { FClock = value; }
  std::int32_t Score() const { return FScore; }
  void SetScore(std::int32_t value) { FScore = value; }
  const TGameRecord& InPlay() const { return FInPlay; }
  int NumLifelines() const { return FNumLifelines; }
  bool UsingLifeline() const { return FUsingLifeline; }
  bool LeftDown() const { return FLeftDown; }
  bool RightDown() const { return FRightDown; }
  const TAreaProperties* PressedArea() const { return FPressedArea; }
  // Counts the games started, so that a caller that ran a modal loop can
  // tell whether the game it was acting on is still the one in play.
  std::uint32_t Serial() const { return FSerial; }

 private:
  TPlayResult Uncover(int column, int row);
  void LayMinesWithoutGuess(int column, int row);
  TPlayResult Tint(int column, int row);
  TPlayResult ToggleMark(int column, int row);
  void BeginAction(int column, int row);
  void TouchingPlayable(std::int32_t area);
  TPlayResult UncoverAround();
  const TAreaGraph& Graph();

  std::unique_ptr<TBoard> FBoard;
  TGameRecord FInPlay{};
  std::int32_t FClock = 0;
  std::int32_t FScore = 0;
  bool FActive = false;
  int FNumLifelines = 0;
  bool FUsingLifeline = false;
  bool FLeftDown = false;
  bool FRightDown = false;
  const TAreaProperties* FPressedArea = nullptr;
  TFieldCursor FCursor;
  std::uint32_t FSerial = 0;
  // The loss in progress is a time-out rather than a mine going off.
  bool FTimeRanOut = false;
  TPlayOptions FOptions;
  // The field's mines have met their first uncover (and been laid anew if
  // the option was on then).
  bool FMinesLaid = false;
  bool FMayNeedGuess = false;
  // Which areas touch which on the field in play, made when first needed.
  std::unique_ptr<TAreaGraph> FGraph;
  // The cell of the last action on the field; none (0) before the first.
  int FLastColumn = 0;
  int FLastRow = 0;
  std::int32_t FHintsUsed = 0;
  std::chrono::milliseconds FHintTimeLimit = HintTimeLimit;
  // Scratch of a chord: the areas touched, and which were met.
  std::vector<std::int32_t> FTouching, FMetBy;
};
