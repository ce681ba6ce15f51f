#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include "about/EmbeddedArt.h"
#include "about/ui/AppIcon.h"

namespace {

TEST(ApplicationIcon, OffersEveryThemeSize) {
  const QIcon icon = ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (int size : {16, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// Each embedded PNG is a real, transparent-cornered picture of its size.
TEST(ApplicationIcon, PicturesHaveTransparentCornersAndAColouredField) {
  for (const TEmbeddedIcon& embedded : ApplicationIconPngs()) {
    QImage image;
    ASSERT_TRUE(image.loadFromData(embedded.Png.data(), static_cast<int>(embedded.Png.size()), "PNG"))
        << embedded.Size;
    EXPECT_EQ(image.size(), QSize(embedded.Size, embedded.Size));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_LT(qAlpha(image.pixel(0, 0)), 128) << "rounded corner, size " << embedded.Size;
    // Inside the field's top-left area, clear of its bevels.
    const QColor middle = image.pixelColor(embedded.Size * 45 / 100, embedded.Size / 5);
    EXPECT_EQ(middle.alpha(), 255);
    EXPECT_GT(middle.saturation(), 40) << "the field's colours, size " << embedded.Size;
  }
}

// The window's icon shows the very pixels of the theme's small icons.
TEST(ApplicationIcon, TheWindowIconIsTheThemeIconAtTheSmallSizes) {
  const QIcon window = WindowIcon(), theme = ApplicationIcon();
  EXPECT_EQ(window.availableSizes().size(), 4);
  for (int size : {16, 32, 48, 64}) {
    const QSize square(size, size);
    ASSERT_TRUE(window.availableSizes().contains(square)) << size;
    EXPECT_EQ(window.pixmap(square).toImage(), theme.pixmap(square).toImage()) << size;
  }
}

TEST(ApplicationIdentity, SetsTheWindowIconAndTheDesktopEntry) {
  InstallApplicationIdentity();
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.quorlane.Quorlane");
  QWidget window;
  EXPECT_FALSE(window.windowIcon().isNull()) << "every window inherits the icon";
}

}  // namespace
