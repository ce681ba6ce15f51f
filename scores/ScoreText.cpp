#include "scores/ScoreText.h"
#include "settings/GameRecord.h"

namespace {

// Records are shown as they stand, so damaged ones may hold any 32-bit
// value: work in 64 bits and put a lone sign in front, which keeps "-1.4"
// readable where digit-wise truncation would give "-1.-4".
std::string TenthsOf(std::int64_t tenths) {
  const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
  std::string text = tenths < 0 ? "-" : "";
  text += std::to_string(magnitude / 10);
  text += '.';
  text += std::to_string(magnitude % 10);
  return text;
}

}  // namespace

std::string TenthsText(std::int32_t value) { return TenthsOf(value); }

std::string PercentText(std::int32_t value) { return TenthsOf(std::int64_t(value) * 2); }

std::string SizeText(std::int32_t sizeX, std::int32_t sizeY) {
  return std::to_string(sizeX) + " x " + std::to_string(sizeY);
}

TScoreRowTexts ScoreRowTexts(const TGameRecord& game) {
  TScoreRowTexts texts;
  texts[sc_Player] = game.PlayerName();
  if (game.Timed()) texts[sc_Timed] = std::to_string(game.GameSpeed);
  texts[sc_Linking] = TenthsText(game.Linking);
  texts[sc_ShapedCells] = TenthsText(game.CellSize);
  texts[sc_Mines] = PercentText(game.MinePopulation);
  texts[sc_Holes] = PercentText(game.Holes);
  texts[sc_Size] = SizeText(game.SizeX, game.SizeY);
  texts[sc_Score] = std::to_string(game.Score);
  return texts;
}

TPhrase ScoreColumnPhrase(TScoreColumn column) {
  static constexpr const char* Names[sc_Count] = {
      //: A column of the score table, as a screen reader names it: the player.
      QT_TRANSLATE_NOOP("ScoreText", "Player"),
      //: A column of the score table: the difficulty of a timed game (0 to
      //: 20), empty for an untimed one.
      QT_TRANSLATE_NOOP("ScoreText", "Timed"),
      //: A column of the score table: the new game's setting of linked cells.
      QT_TRANSLATE_NOOP("ScoreText", "Linking"),
      //: A column of the score table: the new game's setting of shaped cells.
      QT_TRANSLATE_NOOP("ScoreText", "Shaped cells"),
      //: A column of the score table: the share of mines, in percent.
      QT_TRANSLATE_NOOP("ScoreText", "Mines"),
      //: A column of the score table: the share of holes, in percent.
      QT_TRANSLATE_NOOP("ScoreText", "Holes"),
      //: A column of the score table: the minefield's size, as "30 x 20".
      QT_TRANSLATE_NOOP("ScoreText", "Size"),
      //: A column of the score table: the game's score.
      QT_TRANSLATE_NOOP("ScoreText", "Score")};
  // The context the catalogues keep these names under, as the markers name it.
  return {"ScoreText", column >= 0 && column < sc_Count ? Names[column] : "", {}};
}
