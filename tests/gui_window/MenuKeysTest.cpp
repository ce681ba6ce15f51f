#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSlider>
#include <QToolButton>
#include "WindowFixture.h"
#include "support/WindowParts.h"

TEST_F(WindowTest, PopupMenuHoldsItsItemsInOrderWithTheirShortCutTexts) {
  const QList<QAction*> items = PopupMenu1(Main)->actions();
  ASSERT_EQ(items.size(), 13);
  struct TItem {
    const char* Caption;
    QKeySequence Keys;
    bool Visible;
    bool Separator;
  };
  const TItem expected[] = {
      {"Boss! (hide)", QKeySequence(Qt::Key_F2), true, false},
      {"Pause", QKeySequence(Qt::Key_F3), true, false},
      {"New Game", QKeySequence(Qt::Key_F5), true, false},
      {"Hint", QKeySequence(Qt::Key_H), true, false},
      {"", QKeySequence(), false, true},
      {"View Game", QKeySequence(Qt::Key_F6), false, false},
      {"", QKeySequence(), true, true},
      {"&One Mark in Areas", QKeySequence(), true, false},
      {"No Guessing", QKeySequence(), true, false},
      {"Open Around Numbers", QKeySequence(), true, false},
      {"", QKeySequence(), true, true},
      {"About", QKeySequence(Qt::CTRL | Qt::Key_F1), true, false},
      {"Help", QKeySequence(Qt::Key_F1), false, false},
  };
  for (int i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i]->isSeparator(), expected[i].Separator);
    EXPECT_EQ(items[i]->isVisible(), expected[i].Visible);
    if (expected[i].Separator) continue;
    EXPECT_EQ(items[i]->text(), expected[i].Caption);
    EXPECT_EQ(items[i]->shortcut(), expected[i].Keys);
    EXPECT_TRUE(items[i]->isShortcutVisibleInContextMenu());
  }
  EXPECT_TRUE(OneMark1(Main)->isCheckable());
  EXPECT_FALSE(OneMark1(Main)->isChecked());
  for (const int option : {8, 9}) {
    EXPECT_TRUE(items[option]->isCheckable());
    EXPECT_FALSE(items[option]->isChecked());
  }
}

TEST_F(WindowTest, MenuItemsActAsTheirCommands) {
  MenuNewGame(Main)->trigger();
  EXPECT_EQ(DialogsShown, 1);
  StartGame();
  MenuPauseResume(Main)->trigger();
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  MenuPauseResume(Main)->trigger();
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  MenuBoss(Main)->trigger();
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_TRUE(Main->isMinimized());
}

TEST_F(WindowTest, OneMarkDoesNothingBeforeTheFirstGame) {
  OneMark1(Main)->trigger();
  EXPECT_FALSE(OneMark1(Main)->isChecked());
  EXPECT_FALSE(Main->Board());
}

TEST_F(WindowTest, OneMarkFlipsTheBoardsFlagAndTheCheckTogetherAcrossGames) {
  StartGame();
  OneMark1(Main)->trigger();
  EXPECT_TRUE(OneMark1(Main)->isChecked());
  EXPECT_TRUE(Main->Board()->OneMark());
  StartGame();
  EXPECT_TRUE(Main->Board()->OneMark());
  EXPECT_TRUE(OneMark1(Main)->isChecked());
  Main->OneMark1Click();  // called directly, not through the checkable action
  EXPECT_FALSE(Main->Board()->OneMark());
  EXPECT_FALSE(OneMark1(Main)->isChecked());
}

TEST_F(WindowTest, NewGameKeysOpenTheDialogOncePerPress) {
  Key(Qt::Key_Return);
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  Key(Qt::Key_F5, Qt::ShiftModifier);
  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(DialogsShown, 4);
  Key(Qt::Key_N);
  Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(DialogsShown, 4);
  // A key held down repeats its press; the command runs once.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(Main, &repeat);
  EXPECT_EQ(DialogsShown, 4);
}

TEST_F(WindowTest, CtrlOnlyKeysNeedExactlyCtrl) {
  Key(Qt::Key_W);
  Key(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(Main->isVisible());
  Key(Qt::Key_F1);
  EXPECT_FALSE(About->isVisible());
  Key(Qt::Key_F1, Qt::ControlModifier);
  EXPECT_TRUE(About->isVisible());
  EXPECT_FALSE(About->isModal());
  Key(Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(Main->isVisible());
}

TEST_F(WindowTest, AboutShowsTheOneBoxWithoutWaiting) {
  About1(Main)->trigger();
  About1(Main)->trigger();
  EXPECT_TRUE(About->isVisible());
  EXPECT_EQ(DialogsShown, 0);  // not run through the modal seam
}

TEST_F(WindowTest, KeysTheFocusedChildDoesNotWantReachTheWindow) {
  TrackBarMatchSpec(Main->ScoreScreen())->setFocus();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
  QApplication::sendEvent(TrackBarMatchSpec(Main->ScoreScreen()), &press);
  EXPECT_EQ(DialogsShown, 1);
}

TEST_F(WindowTest, TheMenuButtonOpensTheMenuBesideItself) {
  BtnPop(Main)->click();
  EXPECT_TRUE(PopupMenu1(Main)->isVisible());
  PopupMenu1(Main)->hide();
}
