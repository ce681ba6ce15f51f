#include "ui/ModalSeams.h"
#include <QDialog>
#include <QMessageBox>

// The titles stay empty: the boxes then carry the application's name.

TModalSeams TModalSeams::Real() {
  TModalSeams seams;
  seams.ExecDialog = [](QDialog& dialog) { return dialog.exec(); };
  seams.ShowInformation = [](QWidget* parent, const QString& text) {
    // The game's messages break their lines with a line feed and a carriage
    // return; the box wants plain line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox::information(parent, QString(), shown, QMessageBox::Ok);
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
