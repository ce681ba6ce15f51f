#pragma once
#include <string>
#include <string_view>
#include <vector>

// SavedNames.txt: one 8-bit (Windows-1252) player name per line, oldest
// first. Reading accepts CR, LF or CR LF line ends and stops at a zero byte;
// writing ends every line with CR LF and replaces the file whole, so a
// write that fails or is cut short leaves every name the file held.
inline constexpr const char* SavedNamesFile = "SavedNames.txt";

enum class TNamesRead { nr_Missing, nr_Unreadable, nr_Read };

// Also removes the temporary file that a write which died left behind.
TNamesRead ReadSavedNames(const std::string& path, std::vector<std::string>& names);
bool WriteSavedNames(const std::string& path, const std::vector<std::string>& names);

// Whole-text comparison without regard to letter case (Windows-1252 letters).
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
