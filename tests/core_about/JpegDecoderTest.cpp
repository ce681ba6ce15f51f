#include <gtest/gtest.h>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>
#include "about/EmbeddedArt.h"
#include "about/JpegDecoder.h"
#include "core_about/JpegTestFiles.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes AboutPicture() {
  const auto bytes = AboutPictureJpeg();
  return TBytes(bytes.begin(), bytes.end());
}

struct TRgb {
  int R, G, B;
};

TRgb PixelAt(const TRgbImage& image, int x, int y) {
  const std::size_t at = (static_cast<std::size_t>(y) * image.Width + x) * 3;
  return {image.Pixels[at], image.Pixels[at + 1], image.Pixels[at + 2]};
}

void ExpectRefused(const TJpegDecodeResult& result) {
  EXPECT_FALSE(result.Ok());
  EXPECT_FALSE(result.Error.empty());
  EXPECT_EQ(result.Image.Width, 0);
  EXPECT_EQ(result.Image.Height, 0);
  EXPECT_TRUE(result.Image.Pixels.empty());
}

bool HasMarker(const TBytes& jpeg, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) return true;
  return false;
}

}  // namespace

TEST(AboutPicture, IsASmallProgressiveJpeg) {
  const TBytes jpeg = AboutPicture();
  ASSERT_GE(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  EXPECT_TRUE(HasMarker(jpeg, 0xC2)) << "a progressive frame header";
  EXPECT_GT(jpeg.size(), 4000u);
  EXPECT_LT(jpeg.size(), 12000u);
}

TEST(AboutPicture, DecodesTo128By128ColourPixels) {
  const TJpegDecodeResult result = DecodeJpeg(AboutPictureJpeg());
  ASSERT_TRUE(result.Ok()) << result.Error;
  EXPECT_EQ(result.Image.Width, 128);
  EXPECT_EQ(result.Image.Height, 128);
  EXPECT_EQ(result.Image.Pixels.size(), 128u * 128u * 3u);
}

// Known places of the drawing: the mine gone off is red on its cell, the
// plate around the field is dark slate, the orange area is orange.
TEST(AboutPicture, ShowsTheArtworkInColour) {
  const TRgbImage image = DecodeJpeg(AboutPictureJpeg()).Image;
  ASSERT_EQ(image.Width, 128);
  const TRgb mine = PixelAt(image, 54, 78);
  EXPECT_GT(mine.R, 200);
  EXPECT_LT(mine.G, 70);
  EXPECT_LT(mine.B, 70);
  const TRgb plate = PixelAt(image, 3, 64);
  EXPECT_NEAR(plate.R, 46, 8);
  EXPECT_NEAR(plate.G, 52, 8);
  EXPECT_NEAR(plate.B, 64, 8);
  const TRgb orange = PixelAt(image, 106, 50);
  EXPECT_NEAR(orange.R, 222, 10);
  EXPECT_NEAR(orange.G, 122, 10);
  EXPECT_NEAR(orange.B, 58, 10);
}

TEST(JpegDecoding, DecodesBaselineAndProgressiveFiles) {
  for (TJpegKind kind : {TJpegKind::Baseline, TJpegKind::Progressive}) {
    const TJpegDecodeResult result = DecodeJpeg(EncodeTestJpeg(37, 21, kind));
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.Image.Width, 37);
    EXPECT_EQ(result.Image.Height, 21);
    EXPECT_EQ(result.Image.Pixels.size(), 37u * 21u * 3u);
  }
}

TEST(JpegDecoding, TurnsGreyIntoEqualRedGreenBlue) {
  const TJpegDecodeResult result = DecodeJpeg(EncodeTestJpeg(16, 8, TJpegKind::Grey));
  ASSERT_TRUE(result.Ok()) << result.Error;
  ASSERT_EQ(result.Image.Pixels.size(), 16u * 8u * 3u);
  for (std::size_t i = 0; i < result.Image.Pixels.size(); i += 3) {
    EXPECT_EQ(result.Image.Pixels[i], result.Image.Pixels[i + 1]);
    EXPECT_EQ(result.Image.Pixels[i], result.Image.Pixels[i + 2]);
  }
}

// libjpeg cannot turn CMYK into RGB; that is an error, not a crash.
TEST(JpegDecoding, RefusesWhatCannotBecomeRgb) {
  ExpectRefused(DecodeJpeg(EncodeTestJpeg(8, 8, TJpegKind::Cmyk)));
}

TEST(DamagedJpeg, EmptyInputIsAnError) {
  ExpectRefused(DecodeJpeg({}));
  const std::uint8_t one = 0xFF;
  ExpectRefused(DecodeJpeg({&one, 0}));
}

TEST(DamagedJpeg, EveryTruncationIsAnError) {
  const TBytes jpeg = AboutPicture();
  // Cutting off only the end-of-image marker leaves all the picture's data.
  for (std::size_t length = 1; length + 2 < jpeg.size(); ++length) {
    const TJpegDecodeResult result = DecodeJpeg({jpeg.data(), length});
    ASSERT_FALSE(result.Ok()) << "cut at " << length;
    ASSERT_TRUE(result.Image.Pixels.empty());
  }
}

TEST(DamagedJpeg, NonJpegInputIsAnError) {
  const std::string text = "Quorlane pattern file\r\n1\r\n";
  ExpectRefused(DecodeJpeg({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}));
  const TBytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  ExpectRefused(DecodeJpeg(png));
  TBytes garbage(5000);
  std::uint32_t state = 12345;
  for (auto& byte : garbage) byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 24);
  ExpectRefused(DecodeJpeg(garbage));
  // A start-of-image marker followed by garbage.
  garbage[0] = 0xFF;
  garbage[1] = 0xD8;
  ExpectRefused(DecodeJpeg(garbage));
}

// Damage in the compressed data may still decode to some picture; what
// matters is that every outcome is clean: a full picture or none.
TEST(DamagedJpeg, CorruptedBytesGiveAWholePictureOrAnError) {
  const TBytes original = AboutPicture();
  for (std::size_t at = 2; at < original.size(); at += 7) {
    for (std::uint8_t value : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
      TBytes damaged = original;
      damaged[at] = value;
      const TJpegDecodeResult result = DecodeJpeg(damaged);
      if (result.Ok()) {
        ASSERT_EQ(result.Image.Pixels.size(),
                  static_cast<std::size_t>(result.Image.Width) * result.Image.Height * 3)
            << "byte " << at;
        ASSERT_GT(result.Image.Width, 0);
      } else {
        ASSERT_TRUE(result.Image.Pixels.empty()) << "byte " << at;
        ASSERT_FALSE(result.Error.empty());
      }
    }
  }
}

TEST(DamagedJpeg, GarbageInsideTheDataIsAnError) {
  TBytes damaged = AboutPicture();
  // Overwrite the middle of the file with a run of bytes no scan can hold.
  std::fill(damaged.begin() + damaged.size() / 2, damaged.begin() + damaged.size() / 2 + 64, 0xFF);
  ExpectRefused(DecodeJpeg(damaged));
}

TEST(HostileJpeg, AbsurdSizesAreRefusedBeforeDecoding) {
  TBytes jpeg = EncodeTestJpeg(16, 16, TJpegKind::Progressive);
  ASSERT_TRUE(PatchFrameSize(jpeg, 65500, 65500));
  const TJpegDecodeResult result = DecodeJpeg(jpeg);
  ExpectRefused(result);
  EXPECT_NE(result.Error.find("too large"), std::string::npos) << result.Error;
}

TEST(HostileJpeg, ZeroSizeIsAnError) {
  TBytes jpeg = EncodeTestJpeg(16, 16, TJpegKind::Baseline);
  ASSERT_TRUE(PatchFrameSize(jpeg, 0, 16));
  ExpectRefused(DecodeJpeg(jpeg));
}

TEST(HostileJpeg, LimitsAreTheCallersToSet) {
  TJpegLimits smallSide;
  smallSide.MaxSide = 64;
  ExpectRefused(DecodeJpeg(AboutPictureJpeg(), smallSide));

  TJpegLimits fewPixels;
  fewPixels.MaxPixels = 128 * 127;
  ExpectRefused(DecodeJpeg(AboutPictureJpeg(), fewPixels));

  // The picture has several progressive scans; allowing one stops it.
  TJpegLimits oneScan;
  oneScan.MaxScans = 1;
  ExpectRefused(DecodeJpeg(AboutPictureJpeg(), oneScan));

  // A progressive picture keeps every coefficient in libjpeg's memory.
  TJpegLimits littleMemory;
  littleMemory.MaxWorkingMemory = 4096;
  ExpectRefused(DecodeJpeg(AboutPictureJpeg(), littleMemory));
}

// A truncated baseline file ends early in its scan, where libjpeg would
// warn and fill the rest with grey; that is no picture either.
TEST(DamagedJpeg, TruncatedBaselineIsAnError) {
  const TBytes jpeg = EncodeTestJpeg(64, 64, TJpegKind::Baseline);
  ExpectRefused(DecodeJpeg({jpeg.data(), jpeg.size() * 3 / 4}));
}
