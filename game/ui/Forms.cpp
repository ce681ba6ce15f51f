#include "game/ui/Forms.h"
#include <QDialog>
#include <QMessageBox>

TModalSeams TModalSeams::Real() {
  TModalSeams seams;
  seams.ExecDialog = [](QDialog& dialog) { return dialog.exec(); };
  seams.ShowInformation = [](QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString(), text, QMessageBox::Ok);
  };
  seams.AskWarningYesNo = [](QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QString(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
  };
  seams.ShowError = [](QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QString(), text);
  };
  return seams;
}
