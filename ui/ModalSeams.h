#pragma once
#include <functional>
#include <QString>

class QDialog;
class QWidget;

// How modal dialogs and message boxes are run. The program runs them for
// real; tests replace them to answer without blocking.
struct TModalSeams {
  // Runs a dialog modally and returns its result (QDialog::Accepted or
  // QDialog::Rejected).
  std::function<int(QDialog& dialog)> ExecDialog;
  // An information box with one OK button.
  std::function<void(QWidget* parent, const QString& text)> ShowInformation;
  // A warning box with Yes and No; true for Yes.
  std::function<bool(QWidget* parent, const QString& text)> AskWarningYesNo;
  // The standard error box.
  std::function<void(QWidget* parent, const QString& text)> ShowError;

  static TModalSeams Real();
};
