#pragma once
#include <string>
#include <string_view>
#include <QString>

// Player names and pattern texts are 8-bit Windows-1252 text on disk and in
// the core; the windows show them as Unicode.
QString FromCp1252(std::string_view bytes);
// Characters outside Windows-1252 become '?'.
std::string ToCp1252(const QString& text);
