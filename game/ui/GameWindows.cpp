#include "game/ui/GameWindows.h"
#include "about/ui/AboutBox.h"
#include "game/ui/MainForm.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/NewGameStart.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/Cp1252.h"

namespace {

// The program ends when the main window closes, whatever else is open (the
// about box stays on top and may be showing).
void EndWithMainWindowOnly(QWidget& window) { window.setAttribute(Qt::WA_QuitOnClose, false); }

}  // namespace

// The first screen shows the scores against the settings the dialog would
// hold, worked out from LastGame.dat as the dialog reads it.
TGameWindows::TGameWindows(TModalSeams& seams) : FSeams(seams) {
  FMainForm = std::make_unique<TMainForm>(seams);
  TGameRecord stored;
  const bool applies = LoadLastGameFile(LastGameFile, stored);
  const TGameSettings start = NewGameDialogStart(applies ? &stored : nullptr);
  FMainForm->SetDialogSettings(start, FromCp1252(start.PlayerName));
  FMainForm->SetNewGameDialog([this] { return &DlgNewGame(); });
  QObject::connect(FMainForm.get(), &TMainForm::AboutRequested, FMainForm.get(),
                   [this] { AboutBox().ShowNonModal(); });
}

TDlgNewGame& TGameWindows::DlgNewGame() {
  if (FDlgNewGame) return *FDlgNewGame;
  FDlgNewGame = std::make_unique<TDlgNewGame>(FSeams);
  // The dialog opens centred on the main window, and the hints of its
  // controls go to the main window's status bar.
  FDlgNewGame->SetOwnerWindow(FMainForm.get());
  FDlgNewGame->SetPatternChooser([this] { return &PatternDlg(); });
  QObject::connect(FDlgNewGame.get(), &TDlgNewGame::HintShown, FMainForm.get(),
                   [main = FMainForm.get()](const QString& hint) { main->DisplayHint(hint); });
  // A dialog closed from the keyboard under a still pointer never tells its
  // control's hint to go: the hint goes with the dialog.
  QObject::connect(FDlgNewGame.get(), &QDialog::finished, FMainForm.get(),
                   [main = FMainForm.get()] { main->DisplayHint(QString()); });
  // The dialog's settings flow to the main window whenever they change.
  auto passSettings = [main = FMainForm.get(), dialog = FDlgNewGame.get()] {
    main->SetDialogSettings(dialog->Settings(), dialog->CurrentName());
  };
  passSettings();
  QObject::connect(FDlgNewGame.get(), &TDlgNewGame::SettingsChanged, FMainForm.get(), passSettings);
  EndWithMainWindowOnly(*FDlgNewGame);
  return *FDlgNewGame;
}

TAboutBox& TGameWindows::AboutBox() {
  if (!FAboutBox) {
    FAboutBox = std::make_unique<TAboutBox>();
    EndWithMainWindowOnly(*FAboutBox);
  }
  return *FAboutBox;
}

TPatternDlg& TGameWindows::PatternDlg() {
  if (!FPatternDlg) {
    FPatternDlg = std::make_unique<TPatternDlg>(FSeams);
    EndWithMainWindowOnly(*FPatternDlg);
  }
  return *FPatternDlg;
}

TGameWindows::~TGameWindows() {
  if (FDlgNewGame) FDlgNewGame->SetPatternChooser(nullptr);
  FPatternDlg.reset();
  QObject::disconnect(FMainForm.get(), &TMainForm::AboutRequested, nullptr, nullptr);
  FAboutBox.reset();
  FMainForm->SetNewGameDialog(nullptr);
  FDlgNewGame.reset();
  FMainForm.reset();
}
