#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include "about/EmbeddedArt.h"
#include "about/ui/AboutBox.h"

namespace {

class AboutBoxTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Box.reset();
    QApplication::processEvents();
  }

  TAboutBox& MakeBox() {
    Box = std::make_unique<TAboutBox>();
    return *Box;
  }

  template <typename T>
  T* Child(const char* name) {
    return Box->findChild<T*>(QString::fromLatin1(name));
  }

  // A key as the window system delivers it: to the widget with the focus.
  static void PressKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
  }

  int VisibleBoxes() const {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (qobject_cast<TAboutBox*>(widget) != nullptr && widget->isVisible()) ++count;
    return count;
  }

  std::unique_ptr<TAboutBox> Box;
};

TEST_F(AboutBoxTest, IsASmallFixedBoxAlwaysOnTop) {
  TAboutBox& box = MakeBox();
  EXPECT_EQ(box.windowTitle(), "About");
  EXPECT_EQ(box.size(), QSize(360, 194));
  EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "fixed border";
  EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(box.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(box.isModal());
  EXPECT_EQ(box.font().family(), "Tahoma");
  EXPECT_EQ(box.font().pixelSize(), 11);
}

TEST_F(AboutBoxTest, HoldsItsControlsWhereTheyBelong) {
  MakeBox();
  auto* panel = Child<QWidget>("Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->geometry(), QRect(8, 8, 345, 145));

  auto* icon = Child<QLabel>("ProgramIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->parentWidget(), panel);
  EXPECT_EQ(icon->geometry(), QRect(8, 8, 129, 129));

  auto* name = Child<QLabel>("ProductName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), "Quorlane");
  EXPECT_EQ(name->pos(), QPoint(148, 8));
  EXPECT_EQ(name->font().pixelSize(), 29);
  EXPECT_EQ(name->font().family(), "Tahoma");

  auto* version = Child<QLabel>("Version");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), "Version 1.0.1 (release)");
  EXPECT_EQ(version->pos(), QPoint(152, 52));

  auto* credit = Child<QLabel>("Credit");
  ASSERT_NE(credit, nullptr);
  EXPECT_FALSE(credit->text().isEmpty());
  EXPECT_EQ(credit->pos(), QPoint(152, 84));
  EXPECT_LE(credit->geometry().right(), panel->width() - 2) << "one line inside the panel";

  auto* comments = Child<QLabel>("Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->pos(), QPoint(152, 108));
  EXPECT_EQ(comments->width(), 181);
  EXPECT_TRUE(comments->wordWrap());
  EXPECT_TRUE(comments->text().contains("https://")) << "a web address";
  EXPECT_LE(comments->geometry().bottom(), panel->height() - 2) << "all its lines inside the panel";

  auto* ok = Child<QPushButton>("OKButton");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_EQ(ok->geometry(), QRect(143, 160, 75, 25));
  EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutBoxTest, ShowsTheEmbeddedPictureAtTheTopLeft) {
  MakeBox();
  EXPECT_TRUE(Box->property("HasPicture").toBool());
  auto* icon = Child<QLabel>("ProgramIcon");
  ASSERT_NE(icon, nullptr);
  const QImage picture = icon->pixmap().toImage();
  EXPECT_EQ(picture.size(), QSize(128, 128));
  EXPECT_TRUE(icon->alignment() & Qt::AlignLeft);
  EXPECT_TRUE(icon->alignment() & Qt::AlignTop);
  // The mine that went off is red.
  const QColor mine = picture.pixelColor(54, 78);
  EXPECT_GT(mine.red(), 200);
  EXPECT_LT(mine.green(), 70);

  Box->ShowNonModal();
  QApplication::processEvents();
  const QImage shown = Box->grab().toImage();
  const QPoint mineOnBox = icon->mapTo(Box.get(), QPoint(54, 78));
  EXPECT_GT(shown.pixelColor(mineOnBox).red(), 200) << "the picture is painted on the box";
}

TEST_F(AboutBoxTest, ADamagedPictureLeavesTheBoxWorking) {
  const auto jpeg = AboutPictureJpeg();
  const std::vector<std::uint8_t> truncated(jpeg.begin(), jpeg.begin() + jpeg.size() / 2);
  Box = std::make_unique<TAboutBox>(truncated);
  EXPECT_FALSE(Box->property("HasPicture").toBool());
  Box->ShowNonModal();
  EXPECT_TRUE(Box->isVisible());
  PressKey(Child<QPushButton>("OKButton"), Qt::Key_Escape);
  EXPECT_FALSE(Box->isVisible());
}

TEST_F(AboutBoxTest, ShowsWithoutBlockingCentredOnTheScreen) {
  MakeBox().ShowNonModal();
  // Reaching this line means the showing did not wait for the box.
  EXPECT_TRUE(Box->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
  // The first showing centres the box before the window system has put its
  // frame around it; the frame may shift it by its own thickness.
  const QRect frame = Box->frameGeometry();
  const int frameSlack = (frame.width() - Box->width()) + (frame.height() - Box->height()) + 2;
  EXPECT_LE((frame.center() - screenCentre).manhattanLength(), frameSlack);
  // From then on the frame is known and the box comes back exactly centred.
  Box->hide();
  Box->move(0, 0);
  Box->ShowNonModal();
  EXPECT_LE((Box->frameGeometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(AboutBoxTest, EscClosesEvenWhileOkHasTheFocus) {
  MakeBox().ShowNonModal();
  auto* ok = Child<QPushButton>("OKButton");
  ok->setFocus();
  PressKey(ok, Qt::Key_Escape);
  EXPECT_FALSE(Box->isVisible());
}

TEST_F(AboutBoxTest, EscClosesWhenTheBoxItselfHasTheKeys) {
  MakeBox().ShowNonModal();
  PressKey(Box.get(), Qt::Key_Escape);
  EXPECT_FALSE(Box->isVisible());
}

TEST_F(AboutBoxTest, EnterPressesOkAndCloses) {
  for (bool onButton : {true, false}) {
    MakeBox().ShowNonModal();
    auto* ok = Child<QPushButton>("OKButton");
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&clicks] { ++clicks; });
    PressKey(onButton ? static_cast<QWidget*>(ok) : Box.get(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1) << (onButton ? "on the button" : "on the box");
    EXPECT_FALSE(Box->isVisible());
    EXPECT_EQ(Box->result(), QDialog::Accepted) << "OK's modal result";
  }
}

TEST_F(AboutBoxTest, OtherKeysArePassedOn) {
  MakeBox().ShowNonModal();
  auto* ok = Child<QPushButton>("OKButton");
  PressKey(ok, Qt::Key_A);
  EXPECT_TRUE(Box->isVisible()) << "a letter does nothing";
  // Space reaches the focused button, which presses it as usual.
  PressKey(ok, Qt::Key_Space);
  EXPECT_FALSE(Box->isVisible());
}

TEST_F(AboutBoxTest, ShowingTwiceKeepsOneBoxWhereItIs) {
  MakeBox().ShowNonModal();
  Box->move(Box->pos() + QPoint(40, 30));
  const QPoint moved = Box->pos();
  Box->ShowNonModal();
  QApplication::processEvents();
  EXPECT_EQ(VisibleBoxes(), 1);
  EXPECT_EQ(Box->pos(), moved) << "an open box is only raised";
}

TEST_F(AboutBoxTest, ClosingHidesTheSameBoxForTheNextShowing) {
  MakeBox().ShowNonModal();
  QPointer<TAboutBox> watched(Box.get());
  Child<QPushButton>("OKButton")->click();
  QApplication::processEvents();
  ASSERT_FALSE(watched.isNull()) << "closing does not destroy the box";
  EXPECT_FALSE(Box->isVisible());
  Box->ShowNonModal();
  EXPECT_TRUE(watched->isVisible());
  EXPECT_EQ(VisibleBoxes(), 1);
  Box->close();
  QApplication::processEvents();
  EXPECT_FALSE(watched.isNull());
  EXPECT_FALSE(watched->isVisible());
}

}  // namespace
