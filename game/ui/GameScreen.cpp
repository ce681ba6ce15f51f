#include "game/ui/GameScreen.h"
#include <algorithm>
#include <QAccessible>
#include <QImage>
#include <QKeyEvent>
#include "game/Game.h"
#include "game/ui/DirtyCanvas.h"
#include "game/ui/FieldAccessible.h"
#include "game/ui/FieldKeys.h"
#include "ui/ScreenCanvas.h"
#include "ui/WidgetColours.h"

namespace {

// Font sizes become a generous text height at the canvas image's own
// resolution.
double CanvasPixelsPerPoint() { return QImage(1, 1, QImage::Format_RGB32).logicalDpiY() / 72.0; }

}  // namespace

TGameScreen::TGameScreen(TGame& game, IScreenCanvas& window, QWidget* parent)
    : QWidget(parent), FGame(game), FWindow(window) {
  // Before anything here can ask for the screen's accessible face.
  QAccessible::installFactory(FieldAccessibleFactory);
  // The field is drawn on the window's canvas, and the pointer is the
  // window's: this widget paints nothing and lets the mouse through.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  setObjectName(QStringLiteral("GameScreen"));
  setAccessibleName(tr("Minefield"));
  //: The keys stay as they are in every language: M, T, H and L are the
  //: letters pressed.
  setAccessibleDescription(tr(
      "Arrow keys, Home, End, Page Up and Page Down move the cursor; Space uncovers, M marks, "
      "T tints; H gives a hint; L arms or disarms a lifeline"));
  hide();
}

TGameScreen::~TGameScreen() = default;

ICanvas& TGameScreen::BoardCanvas() {
  ICanvas& canvas = FWindow.Canvas();
  if (!FBoardCanvas) FBoardCanvas = std::make_unique<TDirtyCanvas>(canvas, CanvasPixelsPerPoint());
  return *FBoardCanvas;
}

void TGameScreen::ShowBoardDrawing() {
  if (FBoardCanvas) FWindow.CanvasChanged(FBoardCanvas->TakeDirty());
}

void TGameScreen::LayOut(int clientWidth, int clientHeight, int toolbarHeight, int statusHeight) {
  setGeometry(0, toolbarHeight, clientWidth, std::max(0, clientHeight - toolbarHeight - statusHeight));
  if (TBoard* board = FGame.Board())
    board->LayOut(clientWidth - 3, clientHeight - statusHeight - toolbarHeight - 3, toolbarHeight);
}

void TGameScreen::Paint() {
  TBoard* board = FGame.Board();
  if (!board) return;
  ICanvas& canvas = BoardCanvas();
  canvas.SetPenStyle(ps_Clear);
  canvas.SetBrushStyle(bs_Solid);
  canvas.SetBrushColour(FromQColor(palette().color(QPalette::Button)));

  // The four margins around the grid, so that nothing outside it keeps an
  // old picture (a larger field, or the score table).
  const int columns = std::clamp(board->SizeX(), 1, int(TBoard::MaxColumns));
  const int rows = std::clamp(board->SizeY(), 1, int(TBoard::MaxRows));
  const int left = board->ColumnLeft(1);
  const int right = board->ColumnRight(columns);
  const int top = board->RowTop(1);
  const int bottom = board->RowBottom(rows);
  const int w = parentWidget()->width();
  const int h = parentWidget()->height();
  canvas.FillRect({0, 0, left, h});
  canvas.FillRect({right + 1, 0, w, h});
  canvas.FillRect({left, 0, right + 1, top});
  canvas.FillRect({left, bottom + 1, right + 1, h});

  board->PaintAll(canvas);
  // A field just generated has every area flagged: the first tick would
  // draw it all again, unchanged.
  board->ClearChanged();
  ShowBoardDrawing();
}

void TGameScreen::HoverAt(int x, int y) {
  TBoard* board = FGame.Board();
  if (!board) return;
  int column = 0, row = 0;
  if (board->CellAt(x, y, column, row)) {
    FGame.HideCursor();  // the pointer takes over from the keyboard
    board->HoverAt(column, row, BoardCanvas());
    ShowBoardDrawing();
  } else {
    board->ClearHover();
  }
}

void TGameScreen::ClearHover() {
  if (TBoard* board = FGame.Board()) board->ClearHover();
}

void TGameScreen::Pulse() {
  TBoard* board = FGame.Board();
  if (!board) return;
  board->PulseHover();
  board->StepFlash();
  board->PaintChanged(BoardCanvas());
  ShowBoardDrawing();
}

void TGameScreen::ToggleOneMark() {
  TBoard* board = FGame.Board();
  if (!board) return;
  board->SetOneMark(!board->OneMark(), BoardCanvas());
  ShowBoardDrawing();
}

void TGameScreen::RevealMines() {
  TBoard* board = FGame.Board();
  if (!board) return;
  board->RevealMines(BoardCanvas());
  ShowBoardDrawing();
  TellChanges();
}

void TGameScreen::ShowCursor() {
  TBoard* board = FGame.Board();
  if (!board) return;
  // A shown cursor puts out the hover, so the two never light one area.
  if (FGame.Cursor().Shown())
    board->HoverAt(0, 0, BoardCanvas());
  else
    board->PaintChanged(BoardCanvas());
  ShowBoardDrawing();
}

TFieldAccessible* TGameScreen::Listener() {
  if (!FReader.Listens()) return nullptr;
  return dynamic_cast<TFieldAccessible*>(QAccessible::queryAccessibleInterface(this));
}

void TGameScreen::TellCursorMoved() {
  if (TFieldAccessible* face = Listener()) face->CursorMoved();
}

void TGameScreen::TellChanges() {
  if (TFieldAccessible* face = Listener()) face->ReportChanges();
}

// Qt tells a reader of the field's focus after this handler; the cursor's
// square follows, so that coming back to the field says where play stands.
void TGameScreen::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (FReader.Listens() && FGame.Cursor().Shown())
    QMetaObject::invokeMethod(this, &TGameScreen::TellCursorMoved, Qt::QueuedConnection);
}

// Tab does not take the keyboard away from the field.
bool TGameScreen::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void TGameScreen::keyPressEvent(QKeyEvent* event) {
  const TFieldKey* key = FindFieldKey(event->key(), event->modifiers());
  if (!key) {
    event->ignore();  // the window's keys go on to the window
    return;
  }
  event->accept();
  if (key->Command == fc_Move)
    emit CursorMoveRequested(key->Move);
  else if (event->isAutoRepeat())
    return;  // one play, hint or lifeline per press
  else if (key->Command == fc_Play)
    emit CursorPlayRequested(key->Action);
  else if (key->Command == fc_Hint)
    emit HintRequested();
  else
    emit LifelineRequested();
}
