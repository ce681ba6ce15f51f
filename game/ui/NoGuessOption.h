#pragma once

// The "No Guessing" option lives in a small settings file of its own in the
// working directory, so that the game's records and files stay exactly as
// they are. A missing, damaged or unreadable file means the option is off.
inline constexpr const char* NoGuessOptionFile = "Quorlane.ini";

bool LoadNoGuessOption();
// Failures are silent: the option then holds for this run only.
void SaveNoGuessOption(bool on);
