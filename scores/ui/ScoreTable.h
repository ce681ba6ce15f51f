#pragma once
#include <QWidget>
#include "ui/ReaderWatch.h"

class TScoreScreen;

// The score table as a widget of its own. The window draws the rows; this
// widget lies over them, paints nothing and lets the pointer through. It
// takes the keyboard on the score screen (Up and Down choose a listed game,
// Space challenges it; other keys go on to the window) and gives a screen
// reader the table to read.
class TScoreTable : public QWidget {
  Q_OBJECT
 public:
  TScoreTable(const TScoreScreen& screen, QWidget* window);

  const TScoreScreen& Screen() const { return FScreen; }
  // Covers the rows (and the column heads) as the screen lays them out now.
  void FollowLayout();
  // The row the keys chose is the table's current row: a screen reader
  // that listens hears it at once.
  void TellCurrentRow();

 signals:
  void SelectionMoveRequested(int step);
  void ChallengeRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const TScoreScreen& FScreen;
  TReaderWatch FReader;
};
