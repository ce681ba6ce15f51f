#include "scores/ui/ScoreTable.h"
#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include "scores/ui/ScoreScreen.h"
#include "scores/ui/ScoreTableAccessible.h"

TScoreTable::TScoreTable(const TScoreScreen& screen, QWidget* window) : QWidget(window), FScreen(screen) {
  // Before anything here can ask for the table's accessible face.
  QAccessible::installFactory(ScoreTableAccessibleFactory);
  setObjectName(QStringLiteral("ScoreTable"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  //: The score table's name for a screen reader.
  setAccessibleName(tr("Scores"));
  //: The keys stay as they are in every language; Space plays a game with the
  //: chosen game's settings, to beat its score.
  setAccessibleDescription(tr("Up and Down choose a game; Space challenges it"));
  window->installEventFilter(this);
}

void TScoreTable::FollowLayout() {
  const TScoreLayout layout = FScreen.Layout();
  setGeometry(0, layout.Top, parentWidget()->width(), (layout.RowCount + 1) * layout.RowHeight);
}

bool TScoreTable::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) FollowLayout();
  return QWidget::eventFilter(watched, event);
}

// The keys act with no modifier held but the keypad's; Space once per
// press, as a click does.
void TScoreTable::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int key = event->key();
  if (!plain || (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Space)) {
    event->ignore();
    return;
  }
  event->accept();
  if (key == Qt::Key_Space) {
    if (!event->isAutoRepeat()) emit ChallengeRequested();
    return;
  }
  emit SelectionMoveRequested(key == Qt::Key_Up ? -1 : 1);
}

void TScoreTable::TellCurrentRow() {
  if (!FReader.Listens()) return;
  if (auto* face = dynamic_cast<TScoreTableAccessible*>(QAccessible::queryAccessibleInterface(this)))
    face->CurrentRowChanged();
}
