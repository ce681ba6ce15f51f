#include "about/ui/AboutPicture.h"
#include "about/JpegDecoder.h"

QImage ImageFromJpeg(std::span<const std::uint8_t> jpeg) {
  const TJpegDecodeResult decoded = DecodeJpeg(jpeg);
  if (!decoded.Ok()) return {};
  const TRgbImage& rgb = decoded.Image;
  // The decoder's rows are packed; QImage borrows them with that stride and
  // copy() gives the image its own pixels before the decoder's go away.
  const QImage borrowed(rgb.Pixels.data(), rgb.Width, rgb.Height, rgb.Width * 3, QImage::Format_RGB888);
  return borrowed.copy();
}
