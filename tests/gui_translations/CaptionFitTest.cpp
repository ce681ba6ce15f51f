#include <set>
#include <vector>
#include <string>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTreeWidget>
#include "WindowFixture.h"
#include "game/ui/GameSaver.h"
#include "scores/ScoreLayout.h"
#include "settings/ui/FittedLabel.h"
#include "support/WindowParts.h"
#include "ui/Translations.h"

// The windows' geometry is fixed, whatever the language: in every shipped
// language, and in English, every caption fits the control that shows it,
// and every status text the status bar of a window of the design size.

namespace {

// A caption as it is shown: "&&" shows one '&', and "&x" an underlined x.
QString ShownCaption(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

int Advance(const QWidget& widget, const QString& text) {
  return QFontMetrics(widget.font()).horizontalAdvance(ShownCaption(text));
}

// Collects every text that does not fit, to name them all at once.
class TFitCheck {
 public:
  explicit TFitCheck(const QLabel& statusBar) : FStatusBar(statusBar) {}

  void Controls(const QWidget& window) {
    QList<const QWidget*> controls{&window};
    for (const QWidget* child : window.findChildren<const QWidget*>()) controls << child;
    for (const QWidget* control : controls) {
      if (const auto* label = qobject_cast<const QLabel*>(control)) Label(*label);
      if (const auto* button = qobject_cast<const QAbstractButton*>(control)) Button(*button);
      if (const auto* group = qobject_cast<const QGroupBox*>(control)) Group(*group);
      if (const auto* combo = qobject_cast<const QComboBox*>(control)) Combo(*combo);
      if (const auto* tree = qobject_cast<const QTreeWidget*>(control)) Header(*tree);
      if (const auto* menu = qobject_cast<const QMenu*>(control)) Menu(*menu);
      if (!control->statusTip().isEmpty()) Status(control->statusTip());
    }
  }

  void Status(const QString& text) {
    Check(Advance(FStatusBar, " " + text) <= FStatusBar.contentsRect().width(), FStatusBar, text);
  }

  std::set<std::string> Misfits;

 private:
  void Check(bool fits, const QWidget& control, const QString& text) {
    if (!fits)
      Misfits.insert(control.metaObject()->className() + (" " + control.objectName() + ": \"" + text + "\"").toStdString());
  }

  // Numbers and the clock are no captions, and the clock's bar cuts its
  // copy of the time off on purpose; pattern texts are shortened by their
  // labels themselves. A label that sizes itself must stay in its panel.
  void Label(const QLabel& label) {
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!label.text().contains(letter) || dynamic_cast<const TFittedLabel*>(&label)) return;
    const QRect room = label.contentsRect();
    const bool fits = label.wordWrap() ? label.heightForWidth(room.width()) <= room.height()
                                       : Advance(label, label.text()) <= room.width() - label.margin() * 2;
    const bool inside = !label.parentWidget() || label.parentWidget()->rect().contains(label.geometry());
    Check(fits && inside, label, label.text());
  }

  void Button(const QAbstractButton& button) {
    if (button.text().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(&button)) contents = QStyle::SE_RadioButtonContents;
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    Check(Advance(button, button.text()) <= room.width(), button, button.text());
  }

  // The title stands in the frame's top edge, as far from its right end as
  // from its left.
  void Group(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group);
    Check(Advance(group, group.title()) + 2 * title.left() <= group.width(), group, group.title());
  }

  void Combo(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
    for (int item = 0; item < combo.count(); ++item)
      Check(Advance(combo, combo.itemText(item)) <= field.width(), combo, combo.itemText(item));
    // An editable box's own text, as the name box's prompt, within the
    // margins its editor keeps.
    if (combo.isEditable()) Check(Advance(combo, combo.currentText()) <= field.width() - 4, combo, combo.currentText());
  }

  void Header(const QTreeWidget& tree) {
    const QHeaderView& header = *tree.header();
    const int margin = tree.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int column = 0; column < tree.columnCount(); ++column) {
      const QString caption = tree.headerItem()->text(column);
      Check(Advance(header, caption) + 2 * margin <= header.sectionSize(column), tree, caption);
    }
  }

  // A menu grows with its items, but no wider than the window it belongs to.
  void Menu(const QMenu& menu) {
    const QWidget* window = menu.parentWidget() ? menu.parentWidget()->window() : nullptr;
    QStringList items;
    for (const QAction* action : menu.actions())
      if (action->isVisible() && !action->isSeparator()) items << action->text();
    Check(!window || menu.sizeHint().width() <= window->width(), menu, items.join(" / "));
  }

  const QLabel& FStatusBar;
};

// English, the language the windows are laid out in, and every catalogue's.
std::vector<std::string> ShippedLanguages() {
  std::vector<std::string> languages{"en"};
  for (const QString& file : QDir(SourceDir() + "/translations").entryList({"quorlane_*.ts"}, QDir::Files, QDir::Name))
    languages.push_back(file.mid(9, file.size() - 12).toStdString());
  return languages;
}

}  // namespace

class CaptionFit : public WindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(CaptionFit, EveryCaptionFitsItsControlAndEveryHintTheStatusBar) {
  const QString language = QString::fromStdString(GetParam());
  const TTranslations translations({language}, QStringLiteral(QUORLANE_CATALOGUE_BUILD_DIR));
  ASSERT_EQ(translations.Language(), language == "en" ? QString() : language);
  TGameRecord listed;
  listed.SetPlayerName("Ann");
  listed.Score = 800;
  WriteWholeFile(WorkDir->File("Scores.dat"), RecordBytes(listed));
  CreateWindows();

  TFitCheck check(*StatusBar(Main));
  Patterns->FormShow();
  for (const QWidget* window : {static_cast<QWidget*>(Main), static_cast<QWidget*>(Dialog),
                                static_cast<QWidget*>(Patterns), static_cast<QWidget*>(About)})
    check.Controls(*window);
  // Expanded, the dialog's arrow offers to hide the options again.
  Dialog->ButtonCompactClick();
  check.Controls(*Dialog);
  // The score table's hints, over a listed game and over a row of no game.
  Main->PaintScores();
  const TScoreLayout layout = Main->ScoreLayout();
  for (int row : {1, 2}) {
    Main->ScoresMouseMove(Main->width() / 2, RowTop(layout, row) + layout.RowHeight / 2);
    check.Status(StatusBar(Main)->text().mid(1));
  }
  // In play the menu offers to pause; paused from the menu, to resume.
  StartGame();
  check.Controls(*Main);
  MenuView(Main)->trigger();
  check.Controls(*Main);
  // What the status bar says of a hint and of the kept unfinished game.
  for (const THintKind kind : {hk_WrongMark, hk_Safe, hk_Mine, hk_None, hk_OutOfTime})
    check.Status(TMainForm::HintText(kind));
  for (int note = 0; note < TGameSaver::sn_Count; ++note) check.Status(TGameSaver::NoteText(TGameSaver::TNote(note)));

  std::string misfits;
  for (const std::string& misfit : check.Misfits) misfits += "\n  " + misfit;
  EXPECT_TRUE(check.Misfits.empty()) << "too wide or too tall:" << misfits;
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, CaptionFit, ::testing::ValuesIn(ShippedLanguages()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });
