// SavedNames.txt as the new game dialog reads it, and written back.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "settings/PlayerNames.h"

namespace {

constexpr const char* NamesPath = "SavedNames.txt";
constexpr const char* CopyPath = "SavedNamesCopy.txt";

// The lines as the rules read them: up to the first zero byte, ending at
// CR, LF, CR LF or the end; a final line end starts no further line.
std::vector<std::string> ExpectedNames(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> names;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != 0; ++i) {
    const char c = char(bytes[i]);
    if (c == '\r' || c == '\n') {
      names.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line.push_back(c);
      open = true;
    }
  }
  if (open) names.push_back(line);
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::EnterWorkDirectory(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::WriteFile(NamesPath, bytes);
  std::vector<std::string> names = {"left from before"};
  fuzz::Check(ReadSavedNames(NamesPath, names) == TNamesRead::nr_Read, "a plain file was not read");
  for (const std::string& name : names)
    fuzz::Check(name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos,
                "a name holds a line end or a zero byte");
  fuzz::Check(names == ExpectedNames(bytes), "the names are not the file's lines");

  fuzz::Check(WriteSavedNames(CopyPath, names), "writing the names failed");
  std::vector<std::string> back;
  fuzz::Check(ReadSavedNames(CopyPath, back) == TNamesRead::nr_Read, "the written file was not read");
  fuzz::Check(back == names, "the names do not survive writing and reading");
  std::string expectedText;
  for (const std::string& name : names) expectedText += name + "\r\n";
  fuzz::Check(fuzz::ReadFile(CopyPath) == expectedText, "a written line does not end with CR LF");

  // Case-blind comparison is an equivalence: reflexive and symmetric.
  if (names.size() >= 2) {
    fuzz::Check(SameTextIgnoringCase(names[0], names[0]), "a name differs from itself");
    fuzz::Check(SameTextIgnoringCase(names[0], names[1]) == SameTextIgnoringCase(names[1], names[0]),
                "case-blind comparison is not symmetric");
  }
  return 0;
}
