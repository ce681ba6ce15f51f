#pragma once
#include <QDialog>

struct TForms;

// The small "About" box: the product's name, version, picture and credits.
// Shown without being modal; closing only hides it.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(TForms& forms, QWidget* parent = nullptr);
  ~TAboutBox() override;

  // Shows the one box (or raises it when already shown) without waiting.
  void ShowNonModal();

 private:
  TForms& Forms;
};
