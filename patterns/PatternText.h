#pragma once
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

// Reads a pattern file the way the game's text files were always read: a
// number skips blanks and line ends, takes one word and drops the rest of its
// line; a text takes the rest of the current line. Lines end at CR LF, LF or
// a lone CR, so files written on any platform read alike. The file is read in
// large blocks; a missing, unreadable or exhausted file reads as empty.
class TPatternText {
 public:
  explicit TPatternText(std::FILE* file) : File(file) {}

  // How much of a word a number takes: the first 32 bytes of a longer word
  // are the number, the rest is dropped with its line.
  static constexpr std::size_t MaxNumberLength = 32;

  // Skips bytes 0..32, takes up to 32 bytes above 32, then moves past the
  // end of that line.
  std::string ReadNumberWord();

  // Hands every byte of the rest of the current line to eachByte, then moves
  // to the next line.
  template <class TEachByte>
  void ReadLine(TEachByte&& eachByte) {
    for (int c = Peek(); c >= 0 && c != '\r' && c != '\n'; c = Peek()) {
      eachByte(static_cast<unsigned char>(c));
      ++Position;
    }
    SkipLineEnd();
  }

 private:
  // The next byte, or -1 at the end of the file (or on a read error).
  int Peek() {
    if (Position == Length && !Refill()) return -1;
    return Buffer[Position];
  }
  bool Refill();
  void SkipLineEnd();
  void SkipRestOfLine();

  std::FILE* File;
  std::array<unsigned char, 64 * 1024> Buffer{};
  std::size_t Position = 0;
  std::size_t Length = 0;
};
