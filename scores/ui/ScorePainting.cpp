#include <string>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QWidget>
#include "scores/ui/ScoreScreen.h"
#include "ui/ScreenCanvas.h"
#include "scores/ScoreLayout.h"
#include "scores/ui/ScoreCanvas.h"
#include "scores/ScoreText.h"
#include "ui/Cp1252.h"
#include "ui/Pictures.h"

namespace {

// Anchors of the columns, in tenths of a row height from the table's left.
constexpr int TimedColumn = 86;
constexpr int LinkColumn = 106;
constexpr int CellColumn = 121;
constexpr int MinesColumn = 136;
constexpr int HolesColumn = 151;
constexpr int SizeColumn = 163;

// The heads are the new game dialog's own pictures, so a player recognises
// each setting; they are centred a little left of their column's anchor.
struct THead {
  TPicture Picture;
  int Tenths;
};
constexpr THead SettingHeads[] = {
    {pic_SizeHi, 163},     {pic_HolesHi, 147}, {pic_MinePopHi, 131},
    {pic_CellSizeHi, 116}, {pic_LinkHi, 101},  {pic_Timed, 86},
};
constexpr int HeadOffset = 12;

void PaintColumnHeads(QPainter& painter, const TScoreLayout& layout, int personHeight) {
  const int headY = layout.Top + DivRoundHalfEven(6LL * layout.RowHeight, 10);
  const int top = headY - personHeight + 3;
  // The pictures set pens and brushes of their own; the canvas keeps its.
  painter.save();
  PaintPicture(painter, pic_OnePerson, QPoint(layout.Left, top));
  for (const THead& head : SettingHeads)
    PaintPicture(painter, head.Picture, QPoint(ColumnX(layout, head.Tenths) - HeadOffset, top));
  painter.restore();
}

void TextRightAligned(ICanvas& canvas, int rightEdge, int y, const std::string& text) {
  canvas.TextOut(rightEdge - canvas.TextWidth(text), y, text);
}

void TextCentred(ICanvas& canvas, int centre, int y, const std::string& text) {
  canvas.TextOut(centre - canvas.TextWidth(text) / 2, y, text);
}

// One listed game: a separator above, name and score in the row's font,
// then the settings a little lower in the small font. A row of no game
// (score 0) shows `nobody`, the placeholder's name in the player's language.
void PaintScoreRow(ICanvas& canvas, const TScoreLayout& layout, int clientWidth, int row,
                   const TGameRecord& game, const std::string& nobody) {
  const TColour colour = game.Score != 0 ? clBlack : clSilver;
  int y = RowTop(layout, row);
  canvas.SetFont(ScoreFont(layout.FontSize, colour, row == 1));

  const int lineY = y - layout.RowHeight / 6;
  canvas.MoveTo(layout.Left, lineY);
  canvas.LineTo(clientWidth - layout.Left, lineY);

  // The same texts a screen reader reads from the table.
  const TScoreRowTexts texts = ScoreRowTexts(game);
  canvas.TextOut(layout.Left, y, game.Score != 0 ? texts[sc_Player] : nobody);
  TextRightAligned(canvas, ScoreRightEdge(layout), y, texts[sc_Score]);

  canvas.SetFont(ScoreFont(layout.SmallFontSize, colour, false));
  y += DivRoundHalfEven(29LL * layout.FontSize, 100);
  TextCentred(canvas, ColumnX(layout, SizeColumn), y, texts[sc_Size]);
  TextRightAligned(canvas, ColumnX(layout, HolesColumn), y, texts[sc_Holes]);
  TextRightAligned(canvas, ColumnX(layout, MinesColumn), y, texts[sc_Mines]);
  TextRightAligned(canvas, ColumnX(layout, CellColumn), y, texts[sc_ShapedCells]);
  TextRightAligned(canvas, ColumnX(layout, LinkColumn), y, texts[sc_Linking]);
  if (game.Timed()) TextCentred(canvas, ColumnX(layout, TimedColumn), y, texts[sc_Timed]);
}

}  // namespace

TScoreLayout TScoreScreen::Layout() const {
  TScoreFrame frame;
  frame.ClientWidth = parentWidget()->width();
  frame.ClientHeight = parentWidget()->height();
  frame.ToolbarHeight = FCanvas.ToolbarPixelHeight();
  frame.HeadHeight = height();
  frame.StatusHeight = FCanvas.StatusBarPixelHeight();
  return ComputeScoreLayout(frame);
}

QString TScoreScreen::NobodyName() {
  //: The name shown in the score table's rows of no game; Western European
  //: letters only (Windows-1252), as a player's name.
  return tr("Nobody");
}

void TScoreScreen::Paint() {
  // The table shows the dialog's pictures and filters by its settings, so
  // there is nothing to paint before the dialog exists; and it must never
  // cover the minefield.
  if (!FReference || !FShown) return;
  const TScoreLayout layout = Layout();
  LoadScores(layout.RowCount);

  ICanvas& canvas = FCanvas.Canvas();
  const int clientWidth = parentWidget()->width();
  const int clientHeight = parentWidget()->height();
  canvas.SetBrushStyle(bs_Solid);
  canvas.SetBrushColour(ButtonFaceColour(*parentWidget()));
  canvas.FillRect({-1, -1, clientWidth + 1, clientHeight + 1});

  canvas.SetPenStyle(ps_Solid);
  canvas.SetPenWidth(1);
  canvas.SetPenColour(clSilver);
  canvas.SetBrushStyle(bs_Clear);
  canvas.SetFont(ScoreFont(layout.FontSize, clBlack, false));

  if (QPainter* painter = CanvasPainter(canvas))
    PaintColumnHeads(*painter, layout, Image1->height());
  const std::string nobody = ToCp1252(NobodyName());
  for (int row = 1; row <= layout.RowCount; ++row)
    PaintScoreRow(canvas, layout, clientWidth, row, FScoreList[row], nobody);

  FCanvas.CanvasChanged(QRect(0, 0, clientWidth, clientHeight));
}
