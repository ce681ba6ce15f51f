#include "board/ui/DirectRaster.h"

#include <QPainter>
#include <algorithm>

namespace {

// Each of the four 8-bit channels of x times a / 255, rounded the way the
// painter's own blending rounds: two channels at a time, 16 bits apart, so
// that no product reaches the next one.
inline quint32 MultiplyChannels(quint32 x, quint32 a) {
  quint32 redBlue = (x & 0x00FF00FFu) * a;
  redBlue = ((redBlue + ((redBlue >> 8) & 0x00FF00FFu) + 0x00800080u) >> 8) & 0x00FF00FFu;
  quint32 alphaGreen = ((x >> 8) & 0x00FF00FFu) * a;
  alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00FF00FFu) + 0x00800080u) & 0xFF00FF00u;
  return redBlue | alphaGreen;
}

}  // namespace

// The image's own properties cannot change while a painter is active on it
// (copies of it are then deep), so they are checked once here.
void TDirectRaster::Bind(QPainter* painter) {
  Unbind();
  Painter = painter;
  if (!painter || !painter->isActive() || !painter->device()) return;
  if (painter->device()->devType() != QInternal::Image) return;
  auto* image = static_cast<QImage*>(painter->device());
  const QImage::Format format = image->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) return;
  Image = image;
  Bits = image->bits();
  Stride = image->bytesPerLine();
  Width = image->width();
  Height = image->height();
  Prefetch = image->devicePixelRatio() > 1.0;
}

void TDirectRaster::Unbind() {
  Painter = nullptr;
  Image = nullptr;
  Bits = nullptr;
}

// The painter's state may change between any two calls: the caller may
// clip, fade or end and begin again on another device.
bool TDirectRaster::Usable() const {
  return Image && Painter->isActive() && Painter->device() == Image && Image->constBits() == Bits &&
         !Painter->hasClipping() && Painter->opacity() == 1.0 &&
         Painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

void TDirectRaster::Fill(QRect rect, QRgb colour) {
  const int left = std::max(rect.left(), 0), right = std::min(rect.right(), Width - 1);
  const int top = std::max(rect.top(), 0), bottom = std::min(rect.bottom(), Height - 1);
  const quint32 pixel = colour | 0xFF000000u;
  for (int y = top; y <= bottom; ++y) {
    auto* line = reinterpret_cast<quint32*>(Bits + y * Stride);
    for (int x = left; x <= right; ++x) line[x] = pixel;
  }
}

// The board paints a field column by column, so the tile drawn next is
// most often the one just below. Each of a tile's rows lies on another
// page of the image; no hardware prefetcher follows such a stride, and on
// an image of several device pixels per logical one (a HiDPI screen: four
// times the bytes, rows twice as far apart) every row would wait for memory
// in turn. Asking for the rows below ahead of time lets those waits overlap
// the filling of this tile. At one device pixel per logical one the memory
// keeps up by itself, and the asking would cost more than it saves; a large
// tile is not helped either: its own rows already keep the memory busy.
void TDirectRaster::PrefetchBelow(int left, int right, int bottom, int rows) const {
  if (!Prefetch || rows > MaxPrefetchRows || right - left >= MaxPrefetchPixels) return;
  const int last = std::min(bottom + rows, Height - 1);
  const qsizetype firstByte = qsizetype(left) * 4, lastByte = qsizetype(right) * 4 + 3;
  for (int y = bottom + 1; y <= last; ++y) {
    const uchar* line = Bits + y * Stride;
    for (qsizetype byte = firstByte; byte <= lastByte; byte += CacheLine) __builtin_prefetch(line + byte, 1);
    __builtin_prefetch(line + lastByte, 1);
  }
}

// Row by row, each pixel written once with the colour the last line over it
// would leave.
void TDirectRaster::FillTile(QRect rect, QRgb fill, QRgb bottomRight, QRgb topLeft, unsigned edges) {
  const int left = std::max(rect.left(), 0), right = std::min(rect.right(), Width - 1);
  const int top = std::max(rect.top(), 0), bottom = std::min(rect.bottom(), Height - 1);
  if (left > right || top > bottom) return;
  PrefetchBelow(left, right, bottom, bottom - top + 1);
  const quint32 inside = fill | 0xFF000000u, far = bottomRight | 0xFF000000u, near = topLeft | 0xFF000000u;
  const bool leftEdge = (edges & te_Left) && left == rect.left();
  const bool rightEdge = (edges & te_Right) && right == rect.right();
  for (int y = top; y <= bottom; ++y) {
    auto* line = reinterpret_cast<quint32*>(Bits + y * Stride);
    if ((edges & te_Top) && y == rect.top()) {
      std::fill(line + left, line + right + 1, near);
      continue;
    }
    const quint32 body = (edges & te_Bottom) && y == rect.bottom() ? far : inside;
    std::fill(line + left, line + right + 1, body);
    if (rightEdge) line[right] = far;
    if (leftEdge) line[left] = near;
  }
}

void TDirectRaster::Blend(int x, int y, const QImage& image) {
  const int left = std::max(x, 0), right = std::min(x + image.width(), Width);
  const int top = std::max(y, 0), bottom = std::min(y + image.height(), Height);
  if (left >= right || top >= bottom) return;
  const uchar* sourceBits = image.constBits();
  const qsizetype sourceStride = image.bytesPerLine();
  for (int row = top; row < bottom; ++row) {
    const auto* source = reinterpret_cast<const quint32*>(sourceBits + (row - y) * sourceStride) + (left - x);
    auto* line = reinterpret_cast<quint32*>(Bits + row * Stride) + left;
    // Without branches: a clear source pixel keeps the destination exactly
    // and an opaque one replaces it. A premultiplied channel is at most its
    // alpha, so no sum carries into the next channel.
    for (int i = 0; i < right - left; ++i) {
      const quint32 s = source[i];
      line[i] = s + MultiplyChannels(line[i], 255 - (s >> 24));
    }
  }
}
