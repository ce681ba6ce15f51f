#include "scores/ScoreLayout.h"
#include <algorithm>

int DivRoundHalfEven(long long n, long long d) {
  long long q = n / d;
  long long r = n % d;
  if (r < 0) {  // floor division, so that the remainder lies in 0..d-1
    q -= 1;
    r += d;
  }
  if (2 * r > d || (2 * r == d && (q & 1) != 0)) q += 1;
  return int(q);
}

TScoreLayout ComputeScoreLayout(const TScoreFrame& frame) {
  TScoreLayout layout;
  layout.TableHeight = frame.ClientHeight - frame.ToolbarHeight - frame.HeadHeight - frame.StatusHeight;
  // The window's minimum size keeps rows at least one pixel high; a smaller
  // client area (while minimised, or before the first layout) must still
  // give a usable, empty table rather than a division by zero.
  layout.RowHeight = std::max(1, std::min({layout.TableHeight / 5, frame.ClientWidth / 20, 40}));
  layout.RowCount = std::clamp(std::min(48, layout.TableHeight / layout.RowHeight) - 2, 0, 46);
  layout.Top = DivRoundHalfEven(layout.TableHeight - layout.RowCount * layout.RowHeight, 2) +
               frame.ToolbarHeight + frame.HeadHeight;
  layout.Left = (frame.ClientWidth - 19 * layout.RowHeight) / 2;
  layout.FontSize = layout.RowHeight * 30 / 55;
  layout.SmallFontSize = layout.FontSize * 3 / 4;
  return layout;
}

int ColumnX(const TScoreLayout& layout, int tenths) {
  return layout.Left + DivRoundHalfEven(static_cast<long long>(tenths) * layout.RowHeight, 10);
}

int RowAt(const TScoreLayout& layout, int y) {
  // C++ division truncates toward zero, as the row rule wants: a pointer
  // just above the heads still lands on row 0.
  return (y - layout.Top + 3) / layout.RowHeight;
}
