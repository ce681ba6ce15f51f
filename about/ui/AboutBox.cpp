#include "about/ui/AboutBox.h"
#include "game/ui/Forms.h"

TAboutBox::TAboutBox(TForms& forms, QWidget* parent) : QDialog(parent), Forms(forms) {
  setWindowTitle(QStringLiteral("About"));
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::ShowNonModal() {
  show();
  raise();
  activateWindow();
}
