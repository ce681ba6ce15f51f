#include <algorithm>
#include <QLabel>
#include "game/ui/Forms.h"
#include "game/ui/MainForm.h"
#include "scores/ScoreLayout.h"
#include "scores/ui/ScoreCanvas.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/Cp1252.h"
#include "ui/Hints.h"

namespace {

const char* const ChallengeHint = "Challenge this score|Click to play a game with the same settings.";
const char* const InviteHint = "|Click a score to challenge it.";
const char* const GameInProgressWarning =
    "A game is in progress. Are you sure you want to start another now?";

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

void TMainForm::ScoresMouseMove(int, int y) {
  const TScoreLayout layout = ScoreLayout();
  const int row = RowAt(layout, y);
  const int clientWidth = width();
  const int bottom = height() - (StatusBar ? StatusBar->height() : 20) - 1;

  ICanvas& canvas = Canvas();
  canvas.SetPenStyle(ps_Clear);
  canvas.SetBrushStyle(bs_Solid);
  canvas.SetBrushColour(ButtonFaceColour(*this));
  const TRect left = LeftMargin(layout, clientWidth, bottom);
  const TRect right = RightMargin(layout, clientWidth, bottom);
  canvas.FillRect(left);
  canvas.FillRect(right);

  // Placeholder rows stand for no game and cannot be challenged.
  const bool overGame = row >= 1 && row <= layout.RowCount && ScoreList[row].Score != 0;
  HoverRow = overGame ? row : 0;
  const QString hint = QString::fromLatin1(overGame ? ChallengeHint : InviteHint);
  if (overGame) DrawHoverMarkers(canvas, layout, clientWidth, row);
  SetHint(this, hint);
  DisplayHint(HintLongPart(hint));

  CanvasChanged(ToQRect(left));
  CanvasChanged(ToQRect(right));
}

void TMainForm::ScoresClick() {
  // A repaint since the last mouse move may have rebuilt the list (the file
  // changed or vanished): a row that now stands for no game is no challenge.
  const bool overGame = HoverRow > 0 && HoverRow <= MaxScoreRows && ScoreList[HoverRow].Score != 0;
  if (!overGame) {
    if (GameActive())
      BtnPauseClick();
    else
      BtnNewGameClick();
    return;
  }
  // The row as the player saw it when clicking; the question below runs a
  // message loop in which repaints rebuild the list.
  const TGameRecord challenged = ScoreList[HoverRow];
  if (GameActive() && !Forms.Seams.AskWarningYesNo(this, QString::fromLatin1(GameInProgressWarning)))
    return;
  TDlgNewGame* dialog = Forms.DlgNewGame;
  if (!dialog) return;

  // LastGame.dat keeps the challenged record, as the dialog remembers its
  // own, and the current record and the dialog take its settings; the
  // challenger keeps their own name, as the current game record holds it:
  // cut to the 16 characters a record has room for.
  const std::string challengerName = CurrentGame.PlayerName();
  dialog->SaveLastGame(challenged);
  CurrentGame = challenged;
  dialog->SetSettings(TGameSettings::FromRecord(challenged));
  dialog->SetCurrentName(FromCp1252(challengerName));
  CurrentGame.SetPlayerName(challengerName);
  BtnNewGameClick();
}
