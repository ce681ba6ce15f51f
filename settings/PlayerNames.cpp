#include "settings/PlayerNames.h"

#include <cstdio>
#include <filesystem>

#include "settings/FileHandle.h"
#include "settings/SafeWrite.h"

namespace {

// Reads the whole file in large blocks. Returns false on a read error (a
// directory, a device that fails), so that the caller can tell "unreadable"
// from "read".
bool ReadWholeFile(std::FILE* file, std::string& text) {
  constexpr std::size_t BlockSize = 64 * 1024;
  std::size_t used = 0;
  for (;;) {
    text.resize(used + BlockSize);
    const std::size_t got = std::fread(text.data() + used, 1, BlockSize, file);
    used += got;
    if (got < BlockSize) break;
  }
  text.resize(used);
  return std::ferror(file) == 0;
}

// Splits text into lines ending at CR, LF, CR LF or the end of the text. A
// final line end does not start another, empty, line.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

// Windows-1252 lower case: ASCII, the Latin-1 letters (but not the
// multiplication and division signs), and the four letter pairs in 0x80..0x9F.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE ligature
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}

}  // namespace

TNamesRead ReadSavedNames(const std::string& path, std::vector<std::string>& names) {
  RemoveLeftoverTemp(path);  // what a write that died left behind is never read
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return TNamesRead::nr_Missing;
  TFileHandle file(std::fopen(path.c_str(), "rb"));
  std::string text;
  if (!file || !ReadWholeFile(file.get(), text)) return TNamesRead::nr_Unreadable;
  // A zero byte ends the text: nothing after it is a name.
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  names = SplitLines(text);
  return TNamesRead::nr_Read;
}

bool WriteSavedNames(const std::string& path, const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text.append(name).append("\r\n");
  // Replaced whole: a write that fails or dies half way keeps every name
  // the file held before.
  return ReplaceFileWhole(path, text);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}
