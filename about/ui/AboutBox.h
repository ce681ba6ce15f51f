#pragma once
#include <cstdint>
#include <span>
#include <QDialog>

class QLabel;
class QKeyEvent;
class QPushButton;
class TBevelPanel;

// The small "About" box: the product's name, version, picture and credits.
// Shown without being modal; closing only hides it.
class TAboutBox : public QDialog {
  Q_OBJECT
  // Whether the picture decoded and shows (a damaged one leaves it empty).
  Q_PROPERTY(bool HasPicture READ HasPicture)

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  // The same box with another JPEG as its picture.
  explicit TAboutBox(std::span<const std::uint8_t> pictureJpeg, QWidget* parent = nullptr);
  ~TAboutBox() override;

  // Shows the one box (or raises it when already shown) without waiting.
  void ShowNonModal();

  bool HasPicture() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void ShowPicture(std::span<const std::uint8_t> pictureJpeg);
  void CentreOnScreen();
  // The box sees every key before its controls do; true when it took it.
  bool FormKeyDown(QKeyEvent* event);
  void OKButtonClick();

  TBevelPanel* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Version = nullptr;
  QLabel* Credit = nullptr;
  QLabel* Comments = nullptr;
  QPushButton* OKButton = nullptr;
};
