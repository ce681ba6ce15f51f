#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include "board/ui/QtCanvas.h"
#include "game/ui/DirtyCanvas.h"
#include "game/ui/MainForm.h"
#include "game/ui/MainFormLayout.h"
#include "scores/ui/ScoreScreen.h"
#include "ui/Cp1252.h"
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
  if (!region.isEmpty()) update(region);
}

ICanvas& TMainForm::BoardCanvas() {
  ICanvas& canvas = Canvas();
  if (!FBoardCanvas)
    FBoardCanvas = std::make_unique<TDirtyCanvas>(canvas, FCanvasImage.logicalDpiY() / 72.0);
  return *FBoardCanvas;
}

void TMainForm::ShowBoardDrawing() {
  if (FBoardCanvas) CanvasChanged(FBoardCanvas->TakeDirty());
}

void TMainForm::FormResize() {
  SyncCanvasSize();
  LayOutChildren();
  if (TBoard* board = Board()) {
    const int availWidth = width() - 3;
    const int availHeight = height() - StatusBar->height() - SpeedPanel->height() - 3;
    board->LayOut(availWidth, availHeight, SpeedPanel->height());
  }
  FormPaint();
}

void TMainForm::FormPaint() {
  if (FScreenShown == ss_Scores) {
    FScoreScreen->LabelPlayerName->setText(FromCp1252(CurrentGame().PlayerName()));
    FScoreScreen->setVisible(true);
    PaintScores();
  } else if (FScreenShown == ss_Game && Board()) {
    PaintGameScreen();
  }
}

void TMainForm::PaintGameScreen() {
  TBoard& board = *Board();
  ICanvas& canvas = BoardCanvas();
  canvas.SetPenStyle(ps_Clear);
  canvas.SetBrushStyle(bs_Solid);
  canvas.SetBrushColour(FromQColor(palette().color(QPalette::Button)));

  // The four margins around the grid, so that nothing outside it keeps an
  // old picture (a larger field, or the score table).
  const int columns = std::clamp(board.SizeX(), 1, int(TBoard::MaxColumns));
  const int rows = std::clamp(board.SizeY(), 1, int(TBoard::MaxRows));
  const int left = board.ColumnLeft(1);
  const int right = board.ColumnRight(columns);
  const int top = board.RowTop(1);
  const int bottom = board.RowBottom(rows);
  const int w = width();
  const int h = height();
  canvas.FillRect({0, 0, left, h});
  canvas.FillRect({right + 1, 0, w, h});
  canvas.FillRect({left, 0, right + 1, top});
  canvas.FillRect({left, bottom + 1, right + 1, h});

  board.PaintAll(canvas);
  ShowBoardDrawing();
}

void TMainForm::paintEvent(QPaintEvent* event) {
  FinishCanvasPainting();
  QPainter screen(this);
  const qreal ratio = FCanvasImage.devicePixelRatio();
  for (const QRect& rect : event->region()) {
    const QRectF source(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                        rect.height() * ratio);
    screen.drawImage(QRectF(rect), FCanvasImage, source);
  }
}

void TMainForm::resizeEvent(QResizeEvent*) { FormResize(); }
