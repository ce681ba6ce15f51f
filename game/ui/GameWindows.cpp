#include "game/ui/GameWindows.h"
#include "about/ui/AboutBox.h"
#include "game/ui/MainForm.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/ui/DlgNewGame.h"

namespace {

// The program ends when the main window closes, whatever else is open (the
// about box stays on top and may be showing).
void EndWithMainWindowOnly(QWidget& window) { window.setAttribute(Qt::WA_QuitOnClose, false); }

}  // namespace

TGameWindows::TGameWindows(TModalSeams& seams) {
  FMainForm = std::make_unique<TMainForm>(seams);
  FDlgNewGame = std::make_unique<TDlgNewGame>(seams);
  FMainForm->SetNewGameDialog(FDlgNewGame.get());
  FAboutBox = std::make_unique<TAboutBox>();
  FMainForm->SetAboutBox(FAboutBox.get());
  FPatternDlg = std::make_unique<TPatternDlg>(seams);

  // The dialog opens centred on the main window, and the hints of its
  // controls go to the main window's status bar.
  FDlgNewGame->SetOwnerWindow(FMainForm.get());
  FDlgNewGame->SetPatternChooser(FPatternDlg.get());
  QObject::connect(FDlgNewGame.get(), &TDlgNewGame::HintShown, FMainForm.get(),
                   [main = FMainForm.get()](const QString& hint) { main->DisplayHint(hint); });
  // The dialog's settings flow to the main window whenever they change.
  auto passSettings = [main = FMainForm.get(), dialog = FDlgNewGame.get()] {
    main->SetDialogSettings(dialog->Settings(), dialog->CurrentName());
  };
  passSettings();
  QObject::connect(FDlgNewGame.get(), &TDlgNewGame::SettingsChanged, FMainForm.get(), passSettings);
  EndWithMainWindowOnly(*FDlgNewGame);
  EndWithMainWindowOnly(*FAboutBox);
  EndWithMainWindowOnly(*FPatternDlg);
}

TGameWindows::~TGameWindows() {
  FPatternDlg.reset();
  FMainForm->SetAboutBox(nullptr);
  FAboutBox.reset();
  FMainForm->SetNewGameDialog(nullptr);
  FDlgNewGame.reset();
  FMainForm.reset();
}
