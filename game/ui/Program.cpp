#include <QApplication>
#include "about/ui/AboutBox.h"
#include "game/ui/Forms.h"
#include "game/ui/MainForm.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/ui/DlgNewGame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Quorlane");
  TForms forms;
  TMainForm mainForm(forms);
  forms.MainForm = &mainForm;
  TDlgNewGame dlgNewGame(forms);
  forms.DlgNewGame = &dlgNewGame;
  TAboutBox aboutBox(forms);
  forms.AboutBox = &aboutBox;
  TPatternDlg patternDlg(forms);
  forms.PatternDlg = &patternDlg;
  mainForm.show();
  return app.exec();
}
