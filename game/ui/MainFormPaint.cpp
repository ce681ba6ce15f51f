#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include "board/ui/QtCanvas.h"
#include "game/ui/GameScreen.h"
#include "game/ui/MainForm.h"
#include "game/ui/MainFormLayout.h"
#include "scores/ui/ScoreScreen.h"
#include "ui/WidgetColours.h"

using namespace MainFormDesign;

// The canvas is an image of the client area that keeps what was drawn on it;
// a paint event only copies the part that Qt asks for. So the window can be
// drawn on at any moment, as the game needs (a tick, a mouse move, the end
// of a game), while Qt paints only from its paint events.
void TMainForm::SyncCanvasSize() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (FCanvasImage.size() == pixels && FCanvasImage.devicePixelRatio() == ratio) return;
  FinishCanvasPainting();
  QImage image(pixels, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(palette().color(QPalette::Button));
  if (!FCanvasImage.isNull()) {
    // Keep the old picture until the repaint that follows every resize.
    QPainter copy(&image);
    copy.drawImage(QPoint(0, 0), FCanvasImage);
  }
  FCanvasImage = std::move(image);
}

void TMainForm::FinishCanvasPainting() const {
  if (!FCanvasPainter->isActive()) return;
  FCanvas->Detach();
  FCanvasPainter->end();
}

ICanvas& TMainForm::Canvas() {
  SyncCanvasSize();
  if (!FCanvasPainter->isActive()) {
    FCanvasPainter->begin(&FCanvasImage);
    FCanvas->Attach(FCanvasPainter.get());
  }
  return *FCanvas;
}

void TMainForm::CanvasChanged(const QRect& region) {
  const QRect shown = region.intersected(rect());
  if (shown.isEmpty()) return;
  FCanvasDirty = FCanvasDirty.united(shown);
  update(shown);
}

void TMainForm::FormResize() {
  SyncCanvasSize();
  LayOutChildren();
  if (FGameScreen) FGameScreen->LayOut(width(), height(), SpeedPanel->height(), StatusBar->height());
  FormPaint();
}

void TMainForm::FormPaint() {
  if (FScreenShown == ss_Scores) {
    FScoreScreen->ShowPlayerName();
    FScoreScreen->setVisible(true);
    PaintScores();
  } else if (FScreenShown == ss_Game && Board()) {
    FGameScreen->Paint();
  }
}

void TMainForm::paintEvent(QPaintEvent* event) {
  FinishCanvasPainting();
  // Qt gathers every update since the last paint into this one, less what
  // the toolbar and the other opaque children cover.
  FCanvasDirty = QRect();
  QPainter screen(this);
  const qreal ratio = FCanvasImage.devicePixelRatio();
  for (const QRect& rect : event->region()) {
    const QRectF source(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                        rect.height() * ratio);
    screen.drawImage(QRectF(rect), FCanvasImage, source);
  }
}

void TMainForm::resizeEvent(QResizeEvent*) { FormResize(); }
