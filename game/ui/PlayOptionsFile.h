#pragma once
#include <QString>
#include "game/PlayOptions.h"

// The play options live in a small settings file of their own in the
// working directory, so that the game's records and files stay exactly as
// they are: one key per option. A missing, damaged or unreadable file, or
// a key that is missing or holds anything but what the game writes, means
// that option is off.
inline constexpr const char* PlayOptionsFileName = "Quorlane.ini";

class TPlayOptionsFile {
 public:
  explicit TPlayOptionsFile(QString path = QString::fromLatin1(PlayOptionsFileName));

  TPlayOptions Load() const;
  // Writes this option alone: the file's other keys stay as they are on
  // disk, so a second copy of the game in the same folder keeps what it
  // stored. Failures are silent: the option then holds for this run only.
  void Store(TPlayOption option, bool on) const;

 private:
  QString FPath;
};
