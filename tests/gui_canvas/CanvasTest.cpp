#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "CanvasTestSupport.h"

namespace {

// The pixels of a colour inside a rectangle, counted.
int CountColour(const QImage& image, TColour colour, QRect within) {
  int count = 0;
  for (int y = within.top(); y <= within.bottom(); ++y)
    for (int x = within.left(); x <= within.right(); ++x) {
      const QRgb rgb = image.pixel(x, y);
      count += RGBColour(qRed(rgb), qGreen(rgb), qBlue(rgb)) == colour;
    }
  return count;
}

// The bounding box of every pixel that is not white.
QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
  return ink;
}

}  // namespace

class CanvasPaths : public testing::TestWithParam<bool> {};

TEST_P(CanvasPaths, FillRectLeavesItsRightAndBottomEdgesOut) {
  TCanvasImage image(20, 20, GetParam());
  image.Canvas.SetBrushColour(RGBColour(10, 20, 30));
  image.Canvas.FillRect({2, 3, 5, 7});
  const QImage& done = image.Finish();
  EXPECT_EQ(Ink(done), QRect(QPoint(2, 3), QPoint(4, 6)));
  EXPECT_EQ(CountColour(done, RGBColour(10, 20, 30), done.rect()), 12);
}

TEST_P(CanvasPaths, EmptyRectanglesAndAClearBrushFillNothing) {
  TCanvasImage image(20, 20, GetParam());
  image.Canvas.SetBrushColour(clBlack);
  image.Canvas.FillRect({5, 5, 5, 9});
  image.Canvas.FillRect({5, 5, 2, 2});
  image.Canvas.SetBrushStyle(bs_Clear);
  image.Canvas.FillRect({0, 0, 20, 20});
  image.Canvas.SetBrushStyle(bs_Solid);
  image.Canvas.FillRect({-50, -50, 1, 1});  // off the image but for one pixel
  EXPECT_EQ(Ink(image.Finish()), QRect(0, 0, 1, 1));
}

TEST_P(CanvasPaths, LinesLeaveTheirEndPointOutInEveryDirection) {
  TCanvasImage image(30, 30, GetParam());
  image.Canvas.SetPenColour(clBlack);
  image.Canvas.MoveTo(2, 2);
  image.Canvas.LineTo(6, 2);  // x 2..5
  image.Canvas.MoveTo(10, 10);
  image.Canvas.LineTo(10, 4);  // y 10..5
  image.Canvas.MoveTo(20, 20);
  image.Canvas.LineTo(17, 20);  // x 20..18
  image.Canvas.MoveTo(20, 25);
  image.Canvas.LineTo(24, 29);  // diagonal (20,25)..(23,28)
  const QImage& done = image.Finish();
  EXPECT_EQ(CountColour(done, clBlack, QRect(0, 0, 10, 4)), 4);
  EXPECT_EQ(done.pixel(6, 2), qRgb(255, 255, 255));
  EXPECT_EQ(CountColour(done, clBlack, QRect(10, 0, 1, 12)), 6);
  EXPECT_EQ(done.pixel(10, 4), qRgb(255, 255, 255));
  EXPECT_EQ(CountColour(done, clBlack, QRect(15, 20, 10, 1)), 3);
  EXPECT_EQ(done.pixel(17, 20), qRgb(255, 255, 255));
  EXPECT_EQ(CountColour(done, clBlack, QRect(19, 24, 11, 6)), 4);
  EXPECT_EQ(done.pixel(23, 28), qRgb(0, 0, 0));
  EXPECT_EQ(done.pixel(24, 29), qRgb(255, 255, 255));
}

TEST_P(CanvasPaths, AClearPenMovesWithoutDrawing) {
  TCanvasImage image(20, 20, GetParam());
  image.Canvas.SetPenStyle(ps_Clear);
  image.Canvas.MoveTo(1, 1);
  image.Canvas.LineTo(10, 1);
  image.Canvas.SetPenStyle(ps_Solid);
  image.Canvas.SetPenColour(clBlack);
  image.Canvas.LineTo(10, 5);  // from where the clear line ended
  EXPECT_EQ(Ink(image.Finish()), QRect(QPoint(10, 1), QPoint(10, 4)));
}

TEST_P(CanvasPaths, TextIsDrawnTransparentlyBelowAndRightOfItsTopLeft) {
  TCanvasImage image(120, 60, GetParam());
  image.Canvas.SetBrushColour(RGBColour(0, 0, 200));
  image.Canvas.FillRect({0, 0, 120, 60});
  TFontSpec font;
  font.SizePoints = 18;  // 24 pixels
  image.Canvas.SetFont(font);
  const int width = image.Canvas.TextWidth("88");
  image.Canvas.TextOut(30, 10, "88");
  const QImage& done = image.Finish();
  QRect ink;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      if (done.pixel(x, y) != qRgb(0, 0, 200)) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 30);
  EXPECT_LE(ink.right(), 30 + width);
  EXPECT_GE(ink.top(), 10);
  EXPECT_LE(ink.bottom(), 10 + 30);
  EXPECT_GE(ink.height(), 12) << "a 24-pixel font's digits are about 17 pixels high";
  EXPECT_EQ(done.pixel(2, 2), qRgb(0, 0, 200)) << "no background box";
}

TEST_P(CanvasPaths, AWholePixelTranslationMovesEverything) {
  TCanvasImage image(40, 40, GetParam());
  image.Finish();
  TCanvasImage moved(40, 40, GetParam());
  moved.Canvas.Detach();
  moved.Painter.translate(5, 7);
  moved.Canvas.Attach(&moved.Painter);
  moved.Canvas.SetBrushColour(clBlack);
  moved.Canvas.FillRect({0, 0, 3, 3});
  EXPECT_EQ(Ink(moved.Finish()), QRect(5, 7, 3, 3));
}

INSTANTIATE_TEST_SUITE_P(DirectAndPainter, CanvasPaths, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "ThroughThePainter" : "Direct"; });

TEST(CanvasFonts, PointSizesAreLaidOutAtNinetySixDotsPerInch) {
  TQtCanvas canvas;
  TFontSpec font;
  font.Name = "Tahoma";
  font.SizePoints = 12;
  canvas.SetFont(font);
  QFont expected("Tahoma");
  expected.setPixelSize(16);
  EXPECT_EQ(canvas.TextWidth("1234"), QFontMetrics(expected).horizontalAdvance("1234"));
  EXPECT_EQ(canvas.GlyphWidth(gl_Mine), 16);
  font.SizePoints = 9;  // 12 pixels
  canvas.SetFont(font);
  EXPECT_EQ(canvas.GlyphWidth(gl_Mine), 12);
  EXPECT_EQ(canvas.Font().SizePoints, 9);
  font.Bold = true;
  canvas.SetFont(font);
  expected.setPixelSize(12);
  expected.setBold(true);
  EXPECT_EQ(canvas.TextWidth("Wide"), QFontMetrics(expected).horizontalAdvance("Wide"));
}

TEST(CanvasFonts, TextIsWindows1252) {
  TQtCanvas canvas;
  TFontSpec font;
  font.SizePoints = 20;
  canvas.SetFont(font);
  QFont expected("Tahoma");
  expected.setPixelSize(27);
  EXPECT_EQ(canvas.TextWidth("\x80\x95\xe9"), QFontMetrics(expected).horizontalAdvance(QString::fromUtf8("€•é")));
}

TEST(CanvasFonts, NothingIsDrawnWithoutAPainterAndAbsurdSizesAreHarmless) {
  TQtCanvas canvas;
  TFontSpec font;
  font.SizePoints = -4;
  canvas.SetFont(font);
  EXPECT_GT(canvas.TextWidth("0"), 0);
  font.SizePoints = 2000000000;
  canvas.SetFont(font);
  EXPECT_GT(canvas.GlyphWidth(gl_Bullet), 0);
  canvas.SetBrushColour(clBlack);
  canvas.FillRect({0, 0, 10, 10});
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 5);
  canvas.TextOut(0, 0, "x");
  canvas.GlyphOut(0, 0, gl_Mine);
  EXPECT_EQ(canvas.Painter(), nullptr);
}

TEST(CanvasGlyphs, TheMineIsARoundSymbolOfItsFontsSizeAndColour) {
  for (const TColour colour : {clRed, clBlack}) {
    TCanvasImage image(60, 60);
    TFontSpec font;
    font.SizePoints = 30;  // 40 pixels
    font.Colour = colour;
    image.Canvas.SetFont(font);
    ASSERT_EQ(image.Canvas.GlyphWidth(gl_Mine), 40);
    image.Canvas.GlyphOut(10, 10, gl_Mine);
    const QImage& done = image.Finish();
    const QRect ink = Ink(done);
    EXPECT_TRUE(QRect(10, 10, 40, 40).contains(ink)) << "inside its em square";
    EXPECT_GE(ink.width(), 30) << "spikes reach out";
    EXPECT_NEAR(ink.center().x(), 30, 1);
    EXPECT_NEAR(ink.center().y(), 30, 1);
    EXPECT_GT(CountColour(done, colour, ink), 300) << "a solid body";
    EXPECT_EQ(image.Pixel(30, 36), colour) << "the body's centre below the glint";
  }
}

TEST(CanvasGlyphs, TheBulletIsASmallDotInTheMiddleOfItsAdvance) {
  TCanvasImage image(60, 60);
  TFontSpec font;
  font.SizePoints = 30;
  font.Colour = RGBColour(0, 128, 0);
  image.Canvas.SetFont(font);
  const int width = image.Canvas.GlyphWidth(gl_Bullet);
  image.Canvas.GlyphOut(10, 5, gl_Bullet);
  const QRect ink = Ink(image.Finish());
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.center().x(), 10 + width / 2, 1);
  EXPECT_LE(ink.width(), 16);
  EXPECT_GE(ink.width(), 8);
  EXPECT_NEAR(ink.width(), ink.height(), 1) << "round";
  EXPECT_GT(ink.top(), 5 + 10) << "at the height of small letters";
  EXPECT_EQ(image.Pixel(ink.center().x(), ink.center().y()), RGBColour(0, 128, 0));
}
