#include "board/Phrase.h"
#include <string_view>

std::string FilledIn(const TPhrase& phrase) {
  const std::string_view pattern = phrase.Template;
  std::string text;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
    const std::size_t slot = std::size_t(next - '1');
    if (pattern[k] == '%' && next >= '1' && slot < phrase.Numbers.size()) {
      text += std::to_string(phrase.Numbers[slot]);
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}
