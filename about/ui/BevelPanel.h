#pragma once
#include <QWidget>

// A panel framed by two one-pixel bevels: a lowered one outside and a raised
// one inside, which together read as a thin engraved groove around the
// panel's contents. Its face is the window's button-face colour.
class TBevelPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TBevelPanel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
