#include "ui/Cp1252.h"
#include <array>

namespace {
// 0x80..0x9F, where Windows-1252 differs from Latin-1; 0 marks an unused code.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0)
    return HighControls[byte - 0x80];
  return char16_t(byte);  // Latin-1, and the unused codes as themselves
}

char Encode(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return char(unit);
  for (int i = 0; i < 32; ++i)
    if (HighControls[i] == unit) return char(0x80 + i);
  if (unit >= 0x80 && unit <= 0x9F) return char(unit);
  return '?';
}
}  // namespace

QString FromCp1252(std::string_view bytes) {
  QString text;
  text.reserve(qsizetype(bytes.size()));
  for (unsigned char byte : bytes) text.append(QChar(Decode(byte)));
  return text;
}

std::string ToCp1252(const QString& text) {
  std::string bytes;
  bytes.reserve(std::size_t(text.size()));
  for (QChar ch : text) bytes.push_back(Encode(ch.unicode()));
  return bytes;
}
