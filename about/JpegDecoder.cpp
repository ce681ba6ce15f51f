#include "about/JpegDecoder.h"

TJpegDecodeResult DecodeJpeg(std::span<const std::uint8_t> bytes) {
  TJpegDecodeResult result;
  if (bytes.empty()) result.Error = "empty input";
  else result.Error = "not decoded yet";
  return result;
}
