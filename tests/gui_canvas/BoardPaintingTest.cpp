#include <gtest/gtest.h>

#include <functional>

#include "CanvasTestSupport.h"
#include "core_board/BoardTestSupport.h"

// The board painted through the Qt canvas into an image, checked pixel by
// pixel: fills, bevels, the hover pulse and where the glyphs land.

namespace {

constexpr TColour PlainColour = 0xAACCDD;

// A plain field of 40-pixel cells whose grid starts at (1, 0).
void PlainField(TBoard& board, int sizeX, int sizeY) {
  RandSeed(11);
  Generate(board, PlainRecord(sizeX, sizeY));
  board.LayOut(sizeX * 40, sizeY * 40, 0);
}

// Joins the cell to the area of its left neighbour, as a shaped area would
// have it, with the edges between them gone.
void JoinLeft(TBoard& board, int column, int row) {
  TBoardSteps::CellOf(board, column, row).Area = board.AreaAt(column - 1, row);
  TBoardSteps::CellOf(board, column, row).LabelCell = false;
  TBoardSteps::CellOf(board, column, row).EdgeLeft = false;
  TBoardSteps::CellOf(board, column - 1, row).EdgeRight = false;
}

struct TCellBox {
  int L, R, T, B;
};
TCellBox Box(const TBoard& board, int column, int row) {
  return {board.ColumnLeft(column), board.ColumnRight(column), board.RowTop(row), board.RowBottom(row)};
}

int CountColourIn(const QImage& image, TColour colour, const TCellBox& box) {
  int count = 0;
  for (int y = box.T; y <= box.B; ++y)
    for (int x = box.L; x <= box.R; ++x) {
      const QRgb rgb = image.pixel(x, y);
      count += RGBColour(qRed(rgb), qGreen(rgb), qBlue(rgb)) == colour;
    }
  return count;
}

TColour PixelOf(const QImage& image, int x, int y) {
  const QRgb rgb = image.pixel(x, y);
  return RGBColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace

TEST(BoardPainting, ACoveredTileIsRaisedAndItsLightEdgesOwnTheMixedCorners) {
  TBoard board;
  PlainField(board, 2, 1);
  TCanvasImage image(90, 50);
  board.PaintAll(image.Canvas);
  const QImage& done = image.Finish();
  const TCellBox c = Box(board, 1, 1);
  const TColour light = BlendColour(PlainColour, clWhite, 0.85f);
  const TColour dark = BlendColour(PlainColour, clBlack, 0.85f);
  EXPECT_EQ(PixelOf(done, c.L + 20, c.T + 20), PlainColour) << "a covered tile shows no glyph";
  EXPECT_EQ(PixelOf(done, c.L + 20, c.T), light);
  EXPECT_EQ(PixelOf(done, c.L, c.T + 20), light);
  EXPECT_EQ(PixelOf(done, c.L + 20, c.B), dark);
  EXPECT_EQ(PixelOf(done, c.R, c.T + 20), dark);
  // Bottom and right come first, left and top after them.
  EXPECT_EQ(PixelOf(done, c.L, c.B), light) << "the left edge owns the lower left corner";
  EXPECT_EQ(PixelOf(done, c.R, c.T), light) << "the top edge owns the upper right corner";
  EXPECT_EQ(PixelOf(done, c.R, c.B), dark);
  EXPECT_EQ(PixelOf(done, c.L, c.T), light);
}

TEST(BoardPainting, AnUncoveredOrMarkedTileIsSunkenAndPaler) {
  TBoard board;
  PlainField(board, 2, 1);
  board.AreaAt(1, 1)->Uncovered = true;
  board.AreaAt(2, 1)->Marked = true;
  TCanvasImage image(90, 50);
  board.PaintAll(image.Canvas);
  const QImage& done = image.Finish();
  const TColour fill = BlendColour(PlainColour, clWhite, 0.35f);
  const TColour light = BlendColour(fill, clWhite, 0.15f);
  const TColour dark = BlendColour(fill, clBlack, 0.15f);
  for (const int column : {1, 2}) {
    const TCellBox c = Box(board, column, 1);
    EXPECT_EQ(PixelOf(done, c.L + 2, c.B - 2), fill) << "column " << column;
    EXPECT_EQ(PixelOf(done, c.L + 20, c.T), dark);
    EXPECT_EQ(PixelOf(done, c.L, c.T + 20), dark);
    EXPECT_EQ(PixelOf(done, c.L + 20, c.B), light);
    EXPECT_EQ(PixelOf(done, c.R, c.T + 20), light);
    EXPECT_EQ(PixelOf(done, c.L, c.B), dark) << "the left edge owns the lower left corner";
    EXPECT_EQ(PixelOf(done, c.R, c.T), dark) << "the top edge owns the upper right corner";
  }
}

TEST(BoardPainting, AShapedAreaHasNoBevelBetweenItsOwnCellsAndHolesAreBlackWithout) {
  TBoard board;
  PlainField(board, 3, 1);
  JoinLeft(board, 2, 1);
  board.AreaAt(3, 1)->Hole = true;
  TCanvasImage image(130, 50);
  board.PaintAll(image.Canvas);
  const QImage& done = image.Finish();
  const TCellBox first = Box(board, 1, 1), second = Box(board, 2, 1), hole = Box(board, 3, 1);
  EXPECT_EQ(PixelOf(done, first.R, first.T + 20), PlainColour);
  EXPECT_EQ(PixelOf(done, second.L, second.T + 20), PlainColour);
  EXPECT_EQ(PixelOf(done, second.R, second.T + 20), BlendColour(PlainColour, clBlack, 0.85f));
  EXPECT_EQ(CountColourIn(done, clBlack, hole), 40 * 40) << "a hole is black to its edges";
}

TEST(BoardPainting, TheHoveredAreaStartsAtTheHoverColourAndPulsesTowardItsDarkenedFill) {
  TBoard board;
  PlainField(board, 2, 2);
  board.SetLifeline(false);
  const TCellBox c = Box(board, 2, 2);
  TCanvasImage entered(90, 90);
  board.PaintAll(entered.Canvas);
  board.PaintChanged(entered.Canvas);
  board.HoverAt(2, 2, entered.Canvas);
  const QImage& first = entered.Finish();
  EXPECT_EQ(PixelOf(first, c.L + 20, c.T + 20), clWhite);
  EXPECT_EQ(PixelOf(first, c.R, c.T + 20), BlendColour(clWhite, clBlack, 0.85f));

  TCanvasImage tick(90, 90);
  board.PulseHover();
  board.PaintChanged(tick.Canvas);
  const TColour pulsed = BlendColour(BlendColour(PlainColour, clBlack, 0.45f), clWhite, board.PulseLevel());
  EXPECT_NE(pulsed, clWhite);
  EXPECT_EQ(tick.Pixel(c.L + 20, c.T + 20), pulsed);
  EXPECT_EQ(tick.Pixel(Box(board, 1, 2).L + 20, c.T + 20), clWhite) << "nothing else is drawn";

  // A lifeline in use pulses toward light green instead.
  TCanvasImage green(90, 90);
  board.SetLifeline(true);
  board.HoverAt(1, 1, green.Canvas);
  EXPECT_EQ(green.Pixel(Box(board, 1, 1).L + 20, Box(board, 1, 1).T + 20), TColour(0x88FF88));
}

TEST(BoardPainting, WithOneMarkOnlyLabelCellsCarryTheNumberAndTheOthersABullet) {
  TBoard board;
  PlainField(board, 3, 1);
  JoinLeft(board, 2, 1);
  board.AreaAt(1, 1)->Uncovered = true;
  const TColour bullet = BlendColour(PlainColour, clBlack, 0.25f);

  TCanvasImage plain(130, 50);
  board.PaintAll(plain.Canvas);
  const QImage& without = plain.Finish();
  EXPECT_GT(CountColourIn(without, clBlack, Box(board, 1, 1)), 0) << "the number in the label cell";
  EXPECT_GT(CountColourIn(without, clBlack, Box(board, 2, 1)), 0) << "and in the other cell too";

  TCanvasImage marked(130, 50);
  board.SetOneMark(true, marked.Canvas);
  const QImage& with = marked.Finish();
  EXPECT_GT(CountColourIn(with, clBlack, Box(board, 1, 1)), 0);
  EXPECT_EQ(CountColourIn(with, clBlack, Box(board, 2, 1)), 0);
  EXPECT_GT(CountColourIn(with, bullet, Box(board, 2, 1)), 0) << "a bullet of the darkened colour";
  EXPECT_EQ(CountColourIn(with, clBlack, Box(board, 3, 1)), 0) << "covered: nothing at all";
  EXPECT_EQ(CountColourIn(with, PlainColour, Box(board, 3, 1)), 38 * 38);
}

TEST(BoardPainting, RandomShapesWithOneMarkShowNumbersOnlyInTheSeedCells) {
  TBoard board;
  RandSeed(21);
  TGameRecord record = PlainRecord(15, 15);
  record.CellSize = 90;
  record.MinePopulation = 100;
  Generate(board, record);
  for (auto& area : board.Areas()) area->Uncovered = !area->Mine;
  board.LayOut(600, 600, 0);
  TCanvasImage image(603, 603);
  board.SetOneMark(true, image.Canvas);
  const QImage& done = image.Finish();
  for (int row = 1; row <= 15; ++row)
    for (int column = 1; column <= 15; ++column) {
      if (board.AreaAt(column, row)->Mine) continue;
      const bool label = board.Cell(column, row).LabelCell;
      EXPECT_EQ(CountColourIn(done, clBlack, Box(board, column, row)) > 0, label)
          << "cell " << column << "," << row;
    }
}

TEST(BoardPainting, MarksAreBlackAndExposedMinesRedEvenWhenMarked) {
  TBoard board;
  PlainField(board, 2, 1);
  board.AreaAt(1, 1)->Mine = true;
  board.AreaAt(1, 1)->Marked = true;
  board.AreaAt(2, 1)->Marked = true;
  TCanvasImage image(90, 50);
  board.PaintAll(image.Canvas);
  board.RevealMines(image.Canvas);
  const QImage& done = image.Finish();
  EXPECT_GT(CountColourIn(done, clRed, Box(board, 1, 1)), 50);
  EXPECT_EQ(CountColourIn(done, clBlack, Box(board, 1, 1)), 0);
  EXPECT_GT(CountColourIn(done, clBlack, Box(board, 2, 1)), 50);
}

// The numbers of a hint's proof are lit and framed, dark outside and
// orange inside, and a flash is lit and unlit with the ticks until it ends;
// at two device pixels per logical pixel the frame keeps its width in
// logical pixels.
TEST(BoardPainting, AProofIsFramedAndLitAndAFlashBlinksAtRatiosOneAndTwo) {
  constexpr TColour ProofYellow = 0x60E8FF, ProofOrange = 0x0078D6, FlashRed = 0x4848FF;
  for (const int ratio : {1, 2}) {
    SCOPED_TRACE(ratio);
    TBoard board;
    PlainField(board, 3, 1);
    board.AreaAt(1, 1)->Uncovered = true;
    board.ShowProof({board.AreaNumberAt(1, 1)});
    board.Flash({board.AreaNumberAt(3, 1)});
    auto paint = [&] {
      QImage image(QSize(130, 50) * ratio, QImage::Format_RGB32);
      image.setDevicePixelRatio(ratio);
      image.fill(Qt::white);
      QPainter painter(&image);
      TQtCanvas canvas;
      canvas.Attach(&painter);
      board.PaintAll(canvas);
      canvas.Detach();
      painter.end();
      return image;
    };
    const TCellBox proof = Box(board, 1, 1), flash = Box(board, 3, 1);
    const int y = ratio * (proof.B - 8);  // below the number
    QImage done = paint();
    const TColour lit = BlendColour(BlendColour(PlainColour, clWhite, 0.35f), ProofYellow, 0.7f);
    for (int x = 0; x < ratio; ++x) EXPECT_EQ(PixelOf(done, ratio * proof.L + x, y), clBlack);
    for (int x = ratio; x < 3 * ratio; ++x) EXPECT_EQ(PixelOf(done, ratio * proof.L + x, y), ProofOrange);
    EXPECT_EQ(PixelOf(done, ratio * (proof.L + 3), y), lit);
    EXPECT_EQ(PixelOf(done, ratio * proof.R + ratio - 1, y), clBlack);
    EXPECT_EQ(PixelOf(done, ratio * (proof.L + 20), ratio * (proof.B - 1)), ProofOrange);
    EXPECT_EQ(PixelOf(done, ratio * (proof.L + 20), ratio * proof.B), clBlack);
    const QPoint middle(ratio * (flash.L + 20), ratio * (flash.T + 20));
    const TColour flashing = BlendColour(PlainColour, FlashRed, 0.7f);
    std::vector<bool> lights;
    for (int tick = 0; tick <= 6; ++tick) {
      if (tick > 0) board.StepFlash();
      lights.push_back(PixelOf(paint(), middle.x(), middle.y()) == flashing);
    }
    EXPECT_EQ(lights, (std::vector<bool>{true, true, false, true, false, true, false}));
    EXPECT_EQ(PixelOf(paint(), middle.x(), middle.y()), PlainColour);
    board.ClearProof();
    EXPECT_EQ(PixelOf(paint(), ratio * (proof.L + 3), y), BlendColour(PlainColour, clWhite, 0.35f));
  }
}

// The direct pixel path must give exactly the painter's pixels, and the
// canvas must go back to the painter whenever the painter's state is one
// the direct path does not reproduce.
class DirectPixels : public testing::Test {
 protected:
  // A busy field: shaped areas, holes, open, marked and exposed areas, the
  // hover, bullets and numbers, all antialiased glyphs over many colours.
  static void MakeField(TBoard& board) {
    RandSeed(31);
    TGameRecord record = PlainRecord(20, 14);
    record.CellSize = 40;
    record.Holes = 60;
    record.Linking = 20;
    record.MinePopulation = 120;
    Generate(board, record);
    int i = 0;
    for (auto& area : board.Areas()) {
      ++i;
      if (area->Hole) continue;
      if (area->Mine) {
        area->Marked = i % 2 == 0;
        area->Exposed = i % 3 == 0;
      } else {
        area->Uncovered = i % 4 != 0;
      }
    }
    TBoardSteps::SetOneMarkFlag(board, true);
    board.LayOut(400, 280, 5);
  }

  static QImage Paint(QImage::Format format, bool clipped, const std::function<void(QPainter&)>& setUp,
                      qreal ratio = 1.0) {
    TBoard board;
    MakeField(board);
    QImage image(QSize(410, 300) * ratio, format);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(30, 60, 90));
    QPainter painter(&image);
    if (clipped) painter.setClipRect(QRect(0, 0, 410, 300));
    TQtCanvas canvas;
    canvas.Attach(&painter);
    setUp(painter);  // after attaching: the canvas must notice
    board.PaintAll(canvas);
    board.HoverAt(7, 5, canvas);
    board.PulseHover();
    board.PaintChanged(canvas);
    canvas.Detach();
    painter.end();
    return image;
  }

  void ExpectSamePixels(QImage::Format format, const std::function<void(QPainter&)>& setUp, qreal ratio = 1.0) {
    const QImage direct = Paint(format, false, setUp, ratio);
    const QImage painted = Paint(format, true, setUp, ratio);
    ASSERT_EQ(direct.size(), painted.size());
    int differing = 0;
    for (int y = 0; y < direct.height(); ++y)
      for (int x = 0; x < direct.width(); ++x) differing += direct.pixel(x, y) != painted.pixel(x, y);
    EXPECT_EQ(differing, 0);
  }
};

TEST_F(DirectPixels, MatchThePaintersOnOpaqueAndPremultipliedImages) {
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter&) {});
  ExpectSamePixels(QImage::Format_ARGB32_Premultiplied, [](QPainter&) {});
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter& painter) { painter.translate(-7, 3); });
}

// On a high-density screen the canvas works out every device pixel itself,
// whole ratio or not, and both paths must put down the same ones.
TEST_F(DirectPixels, MatchThePaintersAtHigherPixelRatios) {
  for (const qreal ratio : {2.0, 1.5}) {
    SCOPED_TRACE(ratio);
    ExpectSamePixels(QImage::Format_RGB32, [](QPainter&) {}, ratio);
    ExpectSamePixels(QImage::Format_ARGB32_Premultiplied, [](QPainter& painter) { painter.translate(-7, 3); }, ratio);
  }
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter& painter) { painter.scale(1.5, 0.75); }, 2.0);
}

TEST_F(DirectPixels, GiveWayToThePainterForWhatTheyCannotDo) {
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter& painter) { painter.setOpacity(0.5); });
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter& painter) {
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
  });
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter& painter) { painter.scale(1.5, 0.75); });
  ExpectSamePixels(QImage::Format_RGB32, [](QPainter& painter) { painter.translate(0.5, 0.25); });
  ExpectSamePixels(QImage::Format_ARGB32, [](QPainter&) {});
  ExpectSamePixels(QImage::Format_RGB16, [](QPainter&) {});
}

TEST(DirectPixelsImage, AHighResolutionImageGetsTheSamePixelsEitherWay) {
  auto paint = [](bool clipped) {
    QImage image(80, 80, QImage::Format_RGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (clipped) painter.setClipRect(0, 0, 40, 40);
    TQtCanvas canvas;
    canvas.Attach(&painter);
    canvas.SetBrushColour(RGBColour(10, 20, 30));
    canvas.FillRect({3, 3, 20, 20});
    canvas.Detach();
    painter.end();
    return image;
  };
  const QImage direct = paint(false);
  EXPECT_EQ(direct, paint(true));
  EXPECT_EQ(PixelOf(direct, 39, 39), RGBColour(10, 20, 30)) << "device pixels of logical (19, 19)";
}

TEST(DirectPixelsImage, GlyphsOverTransparentPixelsMatchThePainter) {
  auto paint = [](bool clipped) {
    QImage image(120, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (clipped) painter.setClipRect(image.rect());
    TQtCanvas canvas;
    canvas.Attach(&painter);
    canvas.SetBrushColour(RGBColour(200, 40, 10));
    canvas.FillRect({60, 0, 120, 60});  // half opaque, half transparent below the glyphs
    TFontSpec font;
    font.SizePoints = 20;
    font.Colour = RGBColour(20, 90, 160);
    canvas.SetFont(font);
    canvas.TextOut(30, 5, "8,5");
    canvas.GlyphOut(10, 20, gl_Mine);
    canvas.GlyphOut(70, 20, gl_Bullet);
    canvas.Detach();
    painter.end();
    return image;
  };
  EXPECT_EQ(paint(false), paint(true));
}

// At two device pixels per logical pixel the field is drawn for the device:
// the bevel stays one device pixel on each tile's outer edge, and numbers
// are rendered at the device's size, not made at 1x and enlarged.
class HighDensityField : public testing::Test {
 protected:
  void SetUp() override {
    PlainField(Board, 2, 1);
    Board.AreaAt(1, 1)->Uncovered = true;
    Board.AreaAt(1, 1)->MineCount = 1;
  }
  QImage Paint(qreal ratio) {
    QImage image(QSize(90, 50) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    TQtCanvas canvas;
    canvas.Attach(&painter);
    Board.PaintAll(canvas);
    canvas.Detach();
    painter.end();
    return image;
  }
  TBoard Board;
};

TEST_F(HighDensityField, BevelsAreOneDevicePixelOnTheOuterEdgesOfTheTiles) {
  const QImage done = Paint(2.0);
  const TCellBox c = Box(Board, 2, 1);  // covered
  const TColour light = BlendColour(PlainColour, clWhite, 0.85f);
  const TColour dark = BlendColour(PlainColour, clBlack, 0.85f);
  const int middle = 2 * (c.T + 20);
  EXPECT_EQ(PixelOf(done, 2 * c.L, middle), light);
  EXPECT_EQ(PixelOf(done, 2 * c.L + 1, middle), PlainColour);
  EXPECT_EQ(PixelOf(done, 2 * c.R, middle), PlainColour);
  EXPECT_EQ(PixelOf(done, 2 * c.R + 1, middle), dark);
  EXPECT_EQ(PixelOf(done, 2 * c.L + 40, 2 * c.T), light);
  EXPECT_EQ(PixelOf(done, 2 * c.L + 40, 2 * c.T + 1), PlainColour);
  EXPECT_EQ(PixelOf(done, 2 * c.L + 40, 2 * c.B), PlainColour);
  EXPECT_EQ(PixelOf(done, 2 * c.L + 40, 2 * c.B + 1), dark);
  EXPECT_EQ(PixelOf(done, 2 * c.L, 2 * c.B + 1), light) << "the left edge still owns the lower left corner";
  EXPECT_EQ(PixelOf(done, 2 * c.R + 1, 2 * c.T), light) << "the top edge still owns the upper right corner";
  const TCellBox open = Box(Board, 1, 1);
  EXPECT_EQ(PixelOf(done, 2 * open.R + 1, middle), BlendColour(BlendColour(PlainColour, clWhite, 0.35f), clWhite, 0.15f))
      << "the open tile's light edge meets the covered one's light edge";
}

TEST_F(HighDensityField, ANumbersEdgesAreSharpAndNotAnEnlargedSmallDigit) {
  const QImage done = Paint(2.0);
  const TCellBox c = Box(Board, 1, 1);
  const TColour fill = BlendColour(PlainColour, clWhite, 0.35f);
  // Somewhere along the digit a device pixel of full ink lies directly
  // beside one of full background, across a stem or a bar.
  int sharp = 0;
  for (int y = 2 * c.T + 2; y < 2 * c.B; ++y)
    for (int x = 2 * c.L + 2; x < 2 * c.R; ++x) {
      const TColour here = PixelOf(done, x, y);
      if (here != clBlack) continue;
      sharp += PixelOf(done, x - 1, y) == fill || PixelOf(done, x + 1, y) == fill ||
               PixelOf(done, x, y - 1) == fill || PixelOf(done, x, y + 1) == fill;
    }
  EXPECT_GE(sharp, 8);
  // The digit drawn at 1x with every pixel doubled is not what ratio 2 shows.
  const QImage small = Paint(1.0).scaled(done.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  int differing = 0;
  for (int y = 2 * c.T; y <= 2 * c.B + 1; ++y)
    for (int x = 2 * c.L; x <= 2 * c.R + 1; ++x) differing += done.pixel(x, y) != small.pixel(x, y);
  EXPECT_GT(differing, 40);
}
