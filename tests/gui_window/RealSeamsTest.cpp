#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include "WindowFixture.h"
#include "settings/PlayerNames.h"
#include "ui/ModalSeams.h"
#include "support/WindowParts.h"

// The program's own seams run real modal boxes; here a timer answers them
// from inside their message loop, as a player would.
namespace {
// Runs answer on the modal box once it is up.
void AnswerModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    answer(modal);
  });
}
}  // namespace

TEST(RealSeams, InformationShowsTheGamesLineBreaksAsPlainLineFeeds) {
  QApplication::setQuitOnLastWindowClosed(false);
  const TModalSeams seams = TModalSeams::Real();
  QString shown;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  AnswerModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown = box->text();
    buttons = box->standardButtons();
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  seams.ShowInformation(nullptr, "Success!! You cleared the minefield!\n\rBonus for leaving 3 "
                                 "unexplored cells: 42.");
  EXPECT_EQ(shown, "Success!! You cleared the minefield!\nBonus for leaving 3 unexplored cells: 42.");
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(icon, QMessageBox::Information);
}

TEST(RealSeams, WarningAsksYesOrNo) {
  QApplication::setQuitOnLastWindowClosed(false);
  const TModalSeams seams = TModalSeams::Real();
  for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
    QMessageBox::StandardButtons buttons;
    AnswerModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      buttons = box->standardButtons();
      EXPECT_EQ(box->icon(), QMessageBox::Warning);
      box->button(answer)->click();
    });
    EXPECT_EQ(seams.AskWarningYesNo(nullptr, "A game is in progress."), answer == QMessageBox::Yes);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  }
}

TEST(RealSeams, DialogsRunModallyAndReturnTheirResult) {
  const TModalSeams seams = TModalSeams::Real();
  QDialog dialog;
  AnswerModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
  EXPECT_EQ(seams.ExecDialog(dialog), int(QDialog::Accepted));
  AnswerModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
  EXPECT_EQ(seams.ExecDialog(dialog), int(QDialog::Rejected));
}

// The names file is read before the new game dialog appears, so its error
// box cannot lean on the dialog's place yet: it opens centred on the game's
// window, over which the dialog then appears, and not in a corner of the
// screen.
TEST_F(WindowTest, AnUnreadableNamesFileIsReportedCentredOnTheGame) {
  Seams.ShowError = TModalSeams::Real().ShowError;
  ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(SavedNamesFile)));
  Main->resize(478, 511);
  Main->move(260, 50);
  QApplication::processEvents();
  QString shown;
  QRect box;
  AnswerModal([&](QWidget* modal) {
    auto* message = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(message, nullptr);
    shown = message->text();
    box = message->frameGeometry();
    message->button(QMessageBox::Ok)->click();
  });
  BtnNewGame(Main)->click();
  EXPECT_EQ(shown, "Cannot open file SavedNames.txt");
  EXPECT_EQ(DialogsShown, 1);  // the dialog is shown all the same
  const QPoint offCentre = box.center() - Main->frameGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 2)
      << "box at " << box.x() << "," << box.y() << " size " << box.width() << "x" << box.height();
}
