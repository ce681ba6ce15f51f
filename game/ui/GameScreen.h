#pragma once
#include <memory>
#include <QWidget>
#include "board/Canvas.h"
#include "game/Game.h"

class IScreenCanvas;
class TDirtyCanvas;

// The game screen: the field between the toolbar and the status bar. It
// draws the board on the window's canvas and lays the field out in the room
// the window gives it. The pointer stays the window's (a press may end the
// game, which is the window's to announce), so the screen only follows it to
// light the area under it. The keyboard is the screen's while it shows: it
// turns the field's keys into cursor moves and plays, which it asks of the
// window, and lets every other key on to the window.
class TGameScreen : public QWidget {
  Q_OBJECT

 public:
  TGameScreen(TGame& game, IScreenCanvas& window, QWidget* parent);
  ~TGameScreen() override;

  // Lays the field out for a client area of this size, and takes the room
  // between the window's bars.
  void LayOut(int clientWidth, int clientHeight, int toolbarHeight, int statusHeight);
  // The whole screen: the field and the margins around it.
  void Paint();

  // The area under the pointer at (x, y) of the window lights up; off the
  // grid, none does.
  void HoverAt(int x, int y);
  void ClearHover();
  // One tick: the lit area pulses, and what changed is shown.
  void Pulse();
  // Whether something on the field moves by itself for a while and needs
  // the ticks to go on, wherever the window would otherwise let them rest.
  // Nothing does yet: the hover pulses only on the game screen, which
  // always ticks.
  bool Animating() const { return false; }
  void ToggleOneMark();
  void RevealMines();
  // What a key did to the cursor: the hover gives way to it, and the areas
  // it left and reached are drawn anew.
  void ShowCursor();

 signals:
  void CursorMoveRequested(TCursorMove move);
  void CursorPlayRequested(TCursorAction action);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The window's canvas, wrapped to learn which part each drawing changed.
  ICanvas& BoardCanvas();
  void ShowBoardDrawing();

  TGame& FGame;
  IScreenCanvas& FWindow;
  std::unique_ptr<TDirtyCanvas> FBoardCanvas;
};
