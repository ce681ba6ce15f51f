#pragma once

// The score screen's geometry, computed afresh from the window's size.
struct TScoreLayout {
  int TableHeight = 0;
  int RowHeight = 1;
  int RowCount = 0;
  int Top = 0;
  int Left = 0;
  int FontSize = 0;
  int SmallFontSize = 0;
};

// The score screen's geometry as plain arithmetic, so that the table, the
// hover markers and the tests agree on every pixel.

// The heights that frame the table: the toolbar, the score header and the
// status bar.
struct TScoreFrame {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int ToolbarHeight = 39;
  int HeadHeight = 39;
  int StatusHeight = 20;
};

// Integer n / d rounded to nearest, halves to even (d > 0).
int DivRoundHalfEven(long long n, long long d);

TScoreLayout ComputeScoreLayout(const TScoreFrame& frame);

// Left + round(tenths / 10 * RowHeight): the columns' anchors are given in
// tenths of a row height, and computing them exactly in integers keeps the
// halves (10.1 x 5 = 50.5) on the even side.
int ColumnX(const TScoreLayout& layout, int tenths);

// The score's right edge, the one anchor that is not rounded.
inline int ScoreRightEdge(const TScoreLayout& layout) { return layout.Left + 19 * layout.RowHeight; }

// The top of row i (1-based); the column heads sit above row 1.
inline int RowTop(const TScoreLayout& layout, int row) { return layout.Top + row * layout.RowHeight; }

// The row under a pointer height: only the vertical position counts. May be
// outside 1..RowCount.
int RowAt(const TScoreLayout& layout, int y);
