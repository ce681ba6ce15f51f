#pragma once
#include <cstdint>
#include <span>
#include <QImage>

// The JPEG decoded by the game's libjpeg decoder, as an image for the
// windows; a null image when the bytes are no usable JPEG.
QImage ImageFromJpeg(std::span<const std::uint8_t> jpeg);
