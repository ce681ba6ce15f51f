// The about box's picture decoder on any bytes.
#include <cstdint>
#include <span>

#include "FuzzSupport.h"
#include "about/JpegDecoder.h"

namespace {

void CheckResult(const TJpegDecodeResult& result, const TJpegLimits& limits) {
  if (!result.Ok()) {
    fuzz::Check(result.Image.Pixels.empty(), "a failed decode left a partial picture");
    return;
  }
  const TRgbImage& image = result.Image;
  fuzz::Check(image.Width > 0 && image.Height > 0, "a decoded picture without pixels");
  fuzz::Check(image.Width <= limits.MaxSide && image.Height <= limits.MaxSide,
              "a picture beyond the side limit");
  fuzz::Check(std::size_t(image.Width) * std::size_t(image.Height) <= limits.MaxPixels,
              "a picture beyond the pixel limit");
  fuzz::Check(image.Pixels.size() == std::size_t(image.Width) * std::size_t(image.Height) * 3,
              "the buffer does not match the picture's size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  // Tight limits keep every run quick (a 1 MiB budget of working memory is
  // plenty for the game's own picture); the second decode tries the
  // refusals of much smaller limits.
  TJpegLimits limits;
  limits.MaxSide = 1024;
  limits.MaxPixels = 512 * 512;
  limits.MaxWorkingMemory = 16L * 1024 * 1024;
  CheckResult(DecodeJpeg(bytes, limits), limits);
  TJpegLimits tiny;
  tiny.MaxSide = 64;
  tiny.MaxPixels = 64 * 64;
  tiny.MaxScans = 4;
  CheckResult(DecodeJpeg(bytes, tiny), tiny);
  return 0;
}
