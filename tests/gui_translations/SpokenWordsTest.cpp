#include <QAccessible>
#include "WindowFixture.h"
#include "support/WindowParts.h"
#include "ui/Translations.h"

// A screen reader hears the field and the score table in the player's
// language: the core's phrases reach the windows translated, numbers and all.
class SpokenWords : public WindowTest {};

TEST_F(SpokenWords, TheFieldAndTheScoreTableSpeakThePlayersLanguage) {
  const TTranslations translations({"de"}, QStringLiteral(QUORLANE_CATALOGUE_BUILD_DIR));
  ASSERT_EQ(translations.Language(), "de");
  CreateWindows();

  QAccessibleInterface* scores = QAccessible::queryAccessibleInterface(NamedPart<QWidget>(Main, "ScoreTable"));
  ASSERT_TRUE(scores && scores->tableInterface());
  EXPECT_EQ(scores->text(QAccessible::Name), "Bestenliste");
  EXPECT_EQ(scores->tableInterface()->columnDescription(0), "Spieler");

  StartGame({.Columns = 12, .Rows = 9});
  QAccessibleInterface* field = QAccessible::queryAccessibleInterface(NamedPart<QWidget>(Main, "GameScreen"));
  ASSERT_TRUE(field && field->tableInterface());
  QAccessibleInterface* square = field->tableInterface()->cellAt(6, 11);
  ASSERT_TRUE(square);
  EXPECT_EQ(square->text(QAccessible::Name), "Verdeckt");
  EXPECT_EQ(square->text(QAccessible::Description), "Spalte 12, Zeile 7; einzelnes Feld");
}
