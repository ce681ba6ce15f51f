#pragma once
#include <thread>

// Reads the system's font list in the background while the windows are
// built. The first text the windows measure needs that list, and building
// it (every font fontconfig knows) is the largest single step of the
// start; meanwhile the window-building thread mostly waits: for the
// accessibility bridge to reach the session bus, for the X server. Qt's
// font database guards itself with a lock, so the windows simply find the
// list ready, or wait for the rest of it. The object waits for the reading
// to end when it goes, before the application does.
class TFontDatabaseWarmUp {
 public:
  // After the QApplication exists.
  TFontDatabaseWarmUp();
  ~TFontDatabaseWarmUp();
  TFontDatabaseWarmUp(const TFontDatabaseWarmUp&) = delete;
  TFontDatabaseWarmUp& operator=(const TFontDatabaseWarmUp&) = delete;

 private:
  std::thread FReader;
};
