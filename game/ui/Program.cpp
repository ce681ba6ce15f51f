#include <memory>
#include <QApplication>
#include "about/ui/AboutBox.h"
#include "about/ui/AppIcon.h"
#include "game/ui/CommandLine.h"
#include "game/ui/Forms.h"
#include "game/ui/MainForm.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/ui/DlgNewGame.h"

namespace {

// The program ends when the main window closes, whatever else is open (the
// about box stays on top and may be showing).
void EndWithMainWindowOnly(QWidget& window) { window.setAttribute(Qt::WA_QuitOnClose, false); }

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window or display is needed.
  if (const auto status = HandleCommandLine(argc, argv)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  InstallApplicationIdentity();

  // The four windows live for the whole run and find each other through
  // forms; the main window comes first, so while it is being created none of
  // the others exists yet.
  TForms forms;
  auto mainForm = std::make_unique<TMainForm>(forms);
  forms.MainForm = mainForm.get();
  auto dlgNewGame = std::make_unique<TDlgNewGame>(forms);
  forms.DlgNewGame = dlgNewGame.get();
  auto aboutBox = std::make_unique<TAboutBox>(forms);
  forms.AboutBox = aboutBox.get();
  auto patternDlg = std::make_unique<TPatternDlg>(forms);
  forms.PatternDlg = patternDlg.get();
  EndWithMainWindowOnly(*dlgNewGame);
  EndWithMainWindowOnly(*aboutBox);
  EndWithMainWindowOnly(*patternDlg);

  mainForm->show();
  const int result = QApplication::exec();

  // Gone in the reverse order, each unreachable before it goes.
  forms.PatternDlg = nullptr;
  patternDlg.reset();
  forms.AboutBox = nullptr;
  aboutBox.reset();
  forms.DlgNewGame = nullptr;
  dlgNewGame.reset();
  forms.MainForm = nullptr;
  mainForm.reset();
  return result;
}
