#pragma once
#include <functional>
#include <memory>
#include <vector>
#include <QApplication>
#include <QDialog>
#include <QString>
#include <QTest>
#include "patterns/ui/PatternDlg.h"
#include "settings/ui/DlgNewGame.h"
#include "support/GuiTestSupport.h"
#include "ui/ModalSeams.h"

// The new game dialog and the pattern chooser in a fresh working directory,
// with the program's modal seams replaced: a dialog is shown for real, the
// test's "player" acts on it, and whatever the player left open is
// cancelled. Error boxes are recorded instead of shown.
class TDialogHarness {
 public:
  // What the player does while a dialog is up; it is given the dialog.
  using TPlayer = std::function<void(QDialog&)>;

  TDialogHarness() {
    Seams.ExecDialog = [this](QDialog& dialog) { return RunDialog(dialog); };
    Seams.ShowError = [this](QWidget*, const QString& text) { Errors.push_back(text); };
    Seams.ShowInformation = [](QWidget*, const QString&) {};
    Seams.AskWarningYesNo = [](QWidget*, const QString&) { return false; };
  }

  ~TDialogHarness() {
    PatternDlg.reset();
    Dialog.reset();
  }

  // Creates the dialogs in the order the program does (the chooser last).
  TDlgNewGame& CreateDialog() {
    Dialog = std::make_unique<TDlgNewGame>(Seams);
    PatternDlg = std::make_unique<TPatternDlg>(Seams);
    Dialog->SetPatternChooser([this] { return PatternDlg.get(); });
    return *Dialog;
  }

  // Queues what the player does at the next modal showing (first in, first
  // served, so nested dialogs get the next one).
  void WhenShown(TPlayer player) { Players.push_back(std::move(player)); }

  int Showings = 0;
  std::vector<QString> Errors;
  TTempWorkDir Dir;
  TModalSeams Seams = TModalSeams::Real();
  std::unique_ptr<TDlgNewGame> Dialog;
  std::unique_ptr<TPatternDlg> PatternDlg;

 private:
  int RunDialog(QDialog& dialog) {
    ++Showings;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    (void)QTest::qWaitForWindowActive(&dialog, 1000);
    if (!Players.empty()) {
      TPlayer player = std::move(Players.front());
      Players.erase(Players.begin());
      player(dialog);
    }
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
  }

  std::vector<TPlayer> Players;
};

// Pressing a button with the mouse, which moves the focus to it first.
inline void ClickWithMouse(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}
