#include "game/ui/GameSaver.h"
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include "game/Game.h"
#include "game/SavedGame.h"

TGameSaver::TGameSaver(TGame& game, QObject* parent)
    : QObject(parent), FGame(game), FSlot(SavedGameFile), FTimer(new QTimer(this)) {
  setObjectName(QStringLiteral("GameSaver"));
  FTimer->setObjectName(QStringLiteral("KeepTimer"));
  FTimer->setSingleShot(true);
  FTimer->setInterval(KeepWithinMs);
  connect(FTimer, &QTimer::timeout, this, &TGameSaver::Save);
#if QT_CONFIG(sessionmanager)
  // The session is ending (a log out, a shut down): what the player has
  // not finished must be on the disk before the session manager goes on.
  if (qGuiApp)
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { Save(); });
#endif
}

TGameSaver::~TGameSaver() = default;

QString TGameSaver::NoteText(TNote note) {
  switch (note) {
    case sn_Waiting: return tr("Your unfinished game is waiting: F3 resumes it");
    case sn_HeldElsewhere: return tr("Another copy of Quorlane has the unfinished game of this folder");
    case sn_NotKeptHeldElsewhere:
      return tr("This game will not be kept: another copy of Quorlane keeps its own here");
    case sn_NotKeptOtherWaiting:
      return tr("This game will not be kept: an unfinished game waits here for the next start");
    case sn_Count: break;
  }
  return QString();
}

bool TGameSaver::RestoreAtStart() {
  switch (FSlot.Open(FGame)) {
    case TSavedGameSlot::so_Restored:
      FWaiting = true;
      emit StatusNote(WaitingNote());
      return true;
    case TSavedGameSlot::so_HeldElsewhere:
      emit StatusNote(NoteText(sn_HeldElsewhere));
      return false;
    case TSavedGameSlot::so_None:
    case TSavedGameSlot::so_SetAside:
      return false;
  }
  return false;
}

void TGameSaver::NoteChange() {
  if (!FTimer->isActive()) FTimer->start();
}

void TGameSaver::Save() {
  FTimer->stop();
  if (!FGame.Active() || !FGame.Board()) return;
  TellNotKept(FSlot.Write(FGame));
}

void TGameSaver::Discard() {
  FTimer->stop();
  FWaiting = false;
  FSlot.Discard();
  FToldNotKept = false;
}

// Said once a game: the player can still play it, but not leave it.
void TGameSaver::TellNotKept(TSavedGameSlot::TWritten written) {
  if (FToldNotKept) return;
  if (written == TSavedGameSlot::sw_HeldElsewhere)
    emit StatusNote(NoteText(sn_NotKeptHeldElsewhere));
  else if (written == TSavedGameSlot::sw_OtherGameWaiting)
    emit StatusNote(NoteText(sn_NotKeptOtherWaiting));
  else
    return;
  FToldNotKept = true;
}
