#pragma once
#include <QObject>
#include <QString>
#include "game/SavedGameSlot.h"

class QTimer;
class TGame;

// Keeps the game in play in SavedGame.dat, so that closing the window,
// logging out or a crash never throws it away. The window owns it and tells
// it when to write (at close, at a pause, on hiding, at the session
// manager's request), that something changed (it then writes within 30
// seconds, by a single timer that only a change arms, so an idle game does
// no work), and when the game ends or is given up (its saved game goes).
class TGameSaver : public QObject {
  Q_OBJECT

 public:
  // The most play a crash or a power cut can take away, in milliseconds.
  static constexpr int KeepWithinMs = 30000;

  TGameSaver(TGame& game, QObject* parent);
  ~TGameSaver() override;

  // At the start: the game kept by an earlier run comes back into play,
  // when there is one this copy may have. True when it did.
  bool RestoreAtStart();
  void NoteChange();
  // Writes the game in play now (with no game in play, nothing).
  void Save();
  void Discard();

  // A restored game has not been resumed yet; the status bar says so
  // whenever it has nothing else to say.
  bool Waiting() const { return FWaiting; }
  void Resumed() { FWaiting = false; }

  // The words for the player in the status bar: a game restored and
  // waiting; another copy of the game holding this folder's saved game; and
  // the game in play not kept, for either reason.
  enum TNote { sn_Waiting, sn_HeldElsewhere, sn_NotKeptHeldElsewhere, sn_NotKeptOtherWaiting, sn_Count };
  static QString NoteText(TNote note);
  static QString WaitingNote() { return NoteText(sn_Waiting); }

 signals:
  // A word for the player in the status bar.
  void StatusNote(const QString& text);

 private:
  void TellNotKept(TSavedGameSlot::TWritten written);

  TGame& FGame;
  TSavedGameSlot FSlot;
  QTimer* FTimer = nullptr;
  // The player has been told that this game is not kept.
  bool FToldNotKept = false;
  bool FWaiting = false;
};
