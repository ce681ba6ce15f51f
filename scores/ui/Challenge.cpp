#include <algorithm>
#include <QLabel>
#include "scores/ui/ScoreScreen.h"
#include "scores/ScoreLayout.h"
#include "scores/ui/ScoreCanvas.h"
#include "scores/ui/ScoreTable.h"
#include "ui/ScreenCanvas.h"

namespace {

const char* const ChallengeHint =
    QT_TRANSLATE_NOOP("TScoreScreen", "Challenge this score|Click to play a game with the same settings.");
const char* const InviteHint = QT_TRANSLATE_NOOP("TScoreScreen", "|Click a score to challenge it.");

// The two margins beside the table, from the top down to the status bar.
// They hold nothing but the hover markers.
TRect LeftMargin(const TScoreLayout& layout, int clientWidth, int bottom) {
  return {0, 0, (clientWidth - 19 * layout.RowHeight) / 2 - 2, bottom};
}

TRect RightMargin(const TScoreLayout& layout, int clientWidth, int bottom) {
  return {(clientWidth + 19 * layout.RowHeight) / 2 + 2, 0, clientWidth + 1, bottom};
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

// Bullets in both margins bracket the row that a click would challenge.
void DrawHoverMarkers(ICanvas& canvas, const TScoreLayout& layout, int clientWidth, int row) {
  const TFontSpec lastPaintFont = canvas.Font();
  TFontSpec marker = lastPaintFont;
  marker.Colour = clBlack;
  marker.Bold = false;
  marker.SizePoints = layout.RowHeight * 3 / 4;
  canvas.SetFont(marker);
  const int y = RowTop(layout, row) - 4;
  canvas.GlyphOut((clientWidth - 20 * layout.RowHeight) / 2, y, gl_Bullet);
  canvas.GlyphOut((clientWidth + 19 * layout.RowHeight) / 2 + 4, y, gl_Bullet);
}

}  // namespace

void TScoreScreen::MouseMove(int, int y) {
  const TScoreLayout layout = Layout();
  const int row = RowAt(layout, y);
  // Placeholder rows stand for no game and cannot be challenged.
  ShowHoverRow(layout, row <= layout.RowCount && ListsAGame(row) ? row : 0);
}

void TScoreScreen::ShowHoverRow(const TScoreLayout& layout, int row) {
  const int clientWidth = parentWidget()->width();
  const int bottom = parentWidget()->height() - FCanvas.StatusBarPixelHeight() - 1;

  ICanvas& canvas = FCanvas.Canvas();
  canvas.SetPenStyle(ps_Clear);
  canvas.SetBrushStyle(bs_Solid);
  canvas.SetBrushColour(ButtonFaceColour(*parentWidget()));
  const TRect left = LeftMargin(layout, clientWidth, bottom);
  const TRect right = RightMargin(layout, clientWidth, bottom);
  canvas.FillRect(left);
  canvas.FillRect(right);

  const bool overGame = row > 0;
  FHoverRow = row;
  if (overGame) DrawHoverMarkers(canvas, layout, clientWidth, row);
  emit HintChanged(tr(overGame ? ChallengeHint : InviteHint));

  FCanvas.CanvasChanged(ToQRect(left));
  FCanvas.CanvasChanged(ToQRect(right));
}

bool TScoreScreen::ListsAGame(int row) const {
  return row >= 1 && row <= MaxScoreRows && FScoreList[row].Score != 0;
}

void TScoreScreen::Click() {
  // A repaint since the last mouse move may have rebuilt the list (the file
  // changed or vanished): a row that now stands for no game is no challenge.
  if (!ListsAGame(FHoverRow)) {
    emit ClickedOffTheTable();
    return;
  }
  emit ChallengeRequested(FScoreList[FHoverRow]);
}

std::vector<int> TScoreScreen::ListedRows() const {
  std::vector<int> rows;
  const int shown = Layout().RowCount;
  for (int row = 1; row <= shown; ++row)
    if (ListsAGame(row)) rows.push_back(row);
  return rows;
}

void TScoreScreen::MoveSelection(int step) {
  const std::vector<int> rows = ListedRows();
  if (rows.empty()) return;
  const auto chosen = std::find(rows.begin(), rows.end(), FHoverRow);
  // From no choice, Down takes the best game and Up the last one listed.
  const int index = chosen == rows.end()
                        ? (step > 0 ? 0 : int(rows.size()) - 1)
                        : std::clamp(int(chosen - rows.begin()) + step, 0, int(rows.size()) - 1);
  ShowHoverRow(Layout(), rows[std::size_t(index)]);
  FTable->TellCurrentRow();
}

void TScoreScreen::ChallengeSelection() {
  const std::vector<int> rows = ListedRows();
  if (std::find(rows.begin(), rows.end(), FHoverRow) != rows.end()) Click();
}
