#include <set>
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include "ui/Pictures.h"

namespace {

QImage Render(TPicture picture, qreal ratio) {
  return PicturePixmap(picture, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(Pictures, HaveTheSizesOfTheirPlaces) {
  EXPECT_EQ(PictureSize(pic_NewGame), QSize(22, 22));
  EXPECT_EQ(PictureSize(pic_Menu), QSize(16, 22));
  EXPECT_EQ(PictureSize(pic_Lifeline), QSize(23, 23));
  EXPECT_EQ(PictureSize(pic_Pause), QSize(16, 16));
  EXPECT_EQ(PictureSize(pic_PauseDisabled), QSize(16, 16));
  for (int p = pic_SizeLo; p <= pic_TimedFast; ++p) EXPECT_EQ(PictureSize(TPicture(p)), QSize(24, 24)) << p;
  EXPECT_EQ(PictureSize(pic_TriangleRight), QSize(18, 18));
  EXPECT_EQ(PictureSize(pic_TriangleDown), QSize(18, 18));
  EXPECT_EQ(PictureSize(pic_TwoPeople), QSize(33, 25));
  EXPECT_EQ(PictureSize(pic_OnePerson), QSize(17, 25));
  EXPECT_EQ(PictureSize(pic_MatchNarrow), QSize(32, 32));
  EXPECT_EQ(PictureSize(pic_MatchWide), QSize(32, 32));
  EXPECT_EQ(PictureSize(TPicture(pic_Count)), QSize());
}

TEST(Pictures, RenderAtTheDevicePixelRatio) {
  for (int p = 0; p < pic_Count; ++p) {
    for (qreal ratio : {1.0, 2.0, 3.0}) {
      const QPixmap pixmap = PicturePixmap(TPicture(p), ratio);
      EXPECT_EQ(pixmap.size(), PictureSize(TPicture(p)) * ratio) << p;
      EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
    }
    const QIcon icon = PictureIcon(TPicture(p));
    EXPECT_EQ(icon.availableSizes().size(), 3) << p;
  }
}

bool HasSoftEdges(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0 && qAlpha(image.pixel(x, y)) != 255) return true;
  return false;
}

// At a higher ratio a picture is drawn anew for the device, never its 1x
// image enlarged: only pure pixel art, all hard edges, comes out as its 1x
// image with every pixel doubled. An icon gives a picture made for the
// exact ratio it is shown at, 1.5 included.
TEST(Pictures, AreDrawnForTheDeviceNotEnlarged) {
  for (int p = 0; p < pic_Count; ++p) {
    const QImage small = Render(TPicture(p), 1.0);
    const QImage large = Render(TPicture(p), 2.0);
    const QImage doubled = small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage smoothed = small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (HasSoftEdges(small)) {
      EXPECT_NE(large, doubled) << p;
    }
    EXPECT_NE(large, smoothed) << p;
    const QPixmap shown = PictureIcon(TPicture(p)).pixmap(PictureSize(TPicture(p)), 1.5);
    EXPECT_EQ(shown.devicePixelRatio(), 1.5) << p;
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32), Render(TPicture(p), 1.5)) << p;
  }
}

TEST(Pictures, AreDrawnOnATransparentBackgroundAndNeverBlank) {
  for (int p = 0; p < pic_Count; ++p) {
    SCOPED_TRACE(p);
    const QImage image = Render(TPicture(p), 2.0);
    int opaque = 0, transparent = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (qAlpha(pixel) == 0) ++transparent;
        if (qAlpha(pixel) == 255) {
          ++opaque;
          colours.insert(pixel);
        }
      }
    const int all = image.width() * image.height();
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, all / 12);
    // The settings' motifs have at least a fill and an outline; the
    // toolbar's and the triangles may be drawn in one ink.
    const bool motif = p >= pic_SizeLo && p <= pic_TimedFast;
    EXPECT_GE(colours.size(), motif ? 2u : 1u);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  }
}

TEST(Pictures, EachMotifIsItsOwnExceptTheTwoRandomShapePictures) {
  for (int a = 0; a < pic_Count; ++a)
    for (int b = a + 1; b < pic_Count; ++b) {
      const bool same = Render(TPicture(a), 1.0) == Render(TPicture(b), 1.0);
      const bool pair = a == pic_CellSizeLow && b == pic_Random;
      EXPECT_EQ(same, pair) << a << " " << b;
    }
}

TEST(Pictures, PaintWhereTheyAreToldAndNowhereElse) {
  QImage canvas(100, 100, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  PaintPicture(painter, pic_MatchWide, QPoint(40, 30));
  painter.end();
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool inside = x >= 40 && x < 72 && y >= 30 && y < 62;
      if (!inside) {
        ASSERT_EQ(qAlpha(canvas.pixel(x, y)), 0) << x << "," << y;
      }
    }
  EXPECT_EQ(qAlpha(canvas.pixel(56, 46)), 255);
}

// Every picture on one sheet, at 1x and 4x, on a light and a dark ground,
// for looking at them together (written next to the test program).
TEST(Pictures, ContactSheet) {
  for (int scale : {1, 4}) {
    constexpr int columns = 7;
    const int cellWidth = 40 * scale, cellHeight = 36 * scale;
    const int rows = (pic_Count + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * 2 * cellHeight, QImage::Format_ARGB32);
    QPainter painter(&sheet);
    for (int p = 0; p < pic_Count; ++p)
      for (int ground = 0; ground < 2; ++ground) {
        const QRect cell((p % columns) * cellWidth, ((p / columns) * 2 + ground) * cellHeight,
                         cellWidth, cellHeight);
        painter.fillRect(cell, ground == 0 ? QColor(236, 236, 236) : QColor(48, 48, 56));
        QPixmap pixmap = PicturePixmap(TPicture(p), scale);
        pixmap.setDevicePixelRatio(1.0);
        painter.drawPixmap(cell.topLeft() + QPoint(4, 4) * scale, pixmap);
      }
    painter.end();
    EXPECT_TRUE(sheet.save(QString("picture-sheet-%1x.png").arg(scale)));
  }
}

}  // namespace
