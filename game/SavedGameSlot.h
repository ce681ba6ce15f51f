#pragma once
#include <string>
#include "game/Game.h"

// Who may keep a saved game in a folder that several copies of the game
// share. One saved game fits a folder, so one copy at a time owns it: the
// copy that loads it, or writes it first, holds an advisory lock on
// "<saved game>.lock" from then on, until its game ends or is given up (the
// file is then removed) or the copy ends, which the system sees to even
// after a crash. While one copy holds it, no other loads or writes the
// saved game. A copy whose game cannot be kept says so to its player; its
// own game then simply is not kept. A saved game nobody holds (its copy
// closed, or died) is for the next copy that starts there to load: a copy
// already running never overwrites it.
class TSavedGameSlot {
 public:
  // What the start found.
  enum TOpened {
    so_None,           // no saved game
    so_Restored,       // the saved game is in play again, and this copy owns it
    so_SetAside,       // it could not be used and was renamed, never deleted
    so_HeldElsewhere,  // another copy owns it
  };
  // What a save did.
  enum TWritten {
    sw_Written,
    sw_Unchanged,        // the file already holds this game
    sw_HeldElsewhere,    // another copy owns the saved game
    sw_OtherGameWaiting, // a saved game nobody holds waits for the next start
    sw_Failed,           // the disk refused it; the old file stands
  };

  explicit TSavedGameSlot(std::string path);
  TSavedGameSlot(const TSavedGameSlot&) = delete;
  TSavedGameSlot& operator=(const TSavedGameSlot&) = delete;
  ~TSavedGameSlot();

  // At the start: brings the saved game back into game when there is one
  // this copy may have and it passes every check. One that does not is
  // renamed to "<saved game>.rejected" (".rejected.2" and on when that is
  // taken) and the game starts as if there were none.
  TOpened Open(TGame& game);
  // Writes the game in play, whole or not at all.
  TWritten Write(const TGame& game);
  // The game in play has ended or been given up: its saved game goes, and
  // the folder's saved game is free for any copy.
  void Discard();

  bool Owned() const { return FClaimed; }
  const std::string& Path() const { return FPath; }

 private:
  bool Claim();
  void Release();

  std::string FPath;
  bool FClaimed = false;
  int FLock = -1;  // the lock file, held; none where no lock file can be had
  // What this copy wrote last, so that a save with nothing new writes nothing.
  std::string FWritten;
  // A saved game that could be neither used nor set aside stays where it is,
  // and this copy writes no other over it.
  bool FKeptOff = false;
};

// Renames a saved game that cannot be used out of the way, without ever
// replacing a file; returns the new name, empty when none was free.
std::string SetSavedGameAside(const std::string& path);
