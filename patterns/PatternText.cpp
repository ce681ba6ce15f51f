#include "patterns/PatternText.h"

bool TPatternText::Refill() {
  if (!File) return false;
  Length = std::fread(Buffer.data(), 1, Buffer.size(), File);
  Position = 0;
  if (Length == 0) File = nullptr;  // end of file or an error: stay at the end
  return Length > 0;
}

void TPatternText::SkipLineEnd() {
  const int c = Peek();
  if (c == '\n') {
    ++Position;
  } else if (c == '\r') {
    ++Position;
    if (Peek() == '\n') ++Position;
  }
}

void TPatternText::SkipRestOfLine() {
  ReadLine([](unsigned char) {});
}

std::string TPatternText::ReadNumberWord() {
  for (int c = Peek(); c >= 0 && c <= ' '; c = Peek()) ++Position;
  std::string word;
  for (int c = Peek(); c > ' ' && word.size() < MaxNumberLength; c = Peek()) {
    word.push_back(static_cast<char>(c));
    ++Position;
  }
  SkipRestOfLine();
  return word;
}
