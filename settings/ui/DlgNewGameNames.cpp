#include "settings/ui/DlgNewGame.h"
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include "settings/PlayerNames.h"
#include "ui/Cp1252.h"
#include "ui/ModalSeams.h"

// The player's name: the name box, the remembered names of SavedNames.txt
// and CurrentName, which only follows the box when the box loses the focus.

namespace {
// The box's text after creation. It is an ordinary text, never a name.
//: The name box's first text. Confirmed as it stands, it becomes the
//: player's name, which is kept in Windows-1252: Western European letters only.
const char* const NamePrompt = QT_TRANSLATE_NOOP("TDlgNewGame", "Remember me");
}  // namespace

void TDlgNewGame::SetCurrentName(const QString& value) {
  if (value == FCurrentName) return;
  ComboBoxName->setEditText(value);
  FCurrentName = value;
  emit SettingsChanged();
}

void TDlgNewGame::ComboBoxNameExit() { SetCurrentName(ComboBoxName->currentText()); }

bool TDlgNewGame::eventFilter(QObject* watched, QEvent* event) {
  // The box loses the focus when the player moves to another control of
  // the dialog; opening its own list or switching to another window does
  // not count, and neither does the dialog closing.
  if ((watched == ComboBoxName || watched == ComboBoxName->lineEdit()) &&
      event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && isVisible())
      ComboBoxNameExit();
  }
  return QDialog::eventFilter(watched, event);
}

void TDlgNewGame::FillNameList() {
  // Replacing the list must not touch the text in the box.
  const QString text = ComboBoxName->currentText();
  const QSignalBlocker blocker(ComboBoxName);
  ComboBoxName->clear();
  QStringList names;
  names.reserve(qsizetype(FSavedNames.size()));
  for (const std::string& name : FSavedNames) names.append(FromCp1252(name));
  ComboBoxName->addItems(names);
  ComboBoxName->setCurrentIndex(-1);
  ComboBoxName->setEditText(text);
}

bool TDlgNewGame::ReloadSavedNames() {
  std::vector<std::string> names;
  switch (ReadSavedNames(SavedNamesFile, names)) {
    case TNamesRead::nr_Missing:
      return true;
    case TNamesRead::nr_Unreadable:
      ReportFileError(tr("Cannot open file %1"), SavedNamesFile);
      return false;
    case TNamesRead::nr_Read:
      FSavedNames = std::move(names);
      FillNameList();
      return true;
  }
  return true;
}

bool TDlgNewGame::SaveTypedName() {
  const QString typed = ComboBoxName->currentText();
  if (typed == tr(NamePrompt) || typed.isEmpty()) return true;
  const std::string name = ToCp1252(typed);
  for (const std::string& saved : FSavedNames)
    if (SameTextIgnoringCase(saved, name)) return true;
  FSavedNames.push_back(name);
  {
    const QSignalBlocker blocker(ComboBoxName);
    ComboBoxName->addItem(typed);
    ComboBoxName->setEditText(typed);
  }
  if (WriteSavedNames(SavedNamesFile, FSavedNames)) return true;
  ReportFileError(tr("Cannot create file %1"), SavedNamesFile);
  return false;
}

void TDlgNewGame::ReportFileError(const QString& format, const char* fileName) {
  if (!Seams.ShowError) return;
  // The names are read before the dialog appears, when it has no place on
  // the screen yet: a box centred on it would open in the screen's corner.
  // The dialog appears centred on its owner window, so the box opens there.
  QWidget* owner = this;
  if (!isVisible() && FOwnerWindow) owner = FOwnerWindow;
  Seams.ShowError(owner, format.arg(QString::fromUtf8(fileName)));
}
