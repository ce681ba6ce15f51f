#include "board/ui/DirectRaster.h"

#include <QPainter>
#include <algorithm>

namespace {

// x * a / 255 for 8-bit values, rounded the way the painter's own blending
// rounds.
inline quint32 MultiplyByte(quint32 x, quint32 a) {
  const quint32 t = x * a;
  return (t + (t >> 8) + 0x80) >> 8;
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

// Row by row, each pixel written once with the colour the last line over it
// would leave.
void TDirectRaster::FillTile(QRect rect, QRgb fill, QRgb bottomRight, QRgb topLeft, unsigned edges) {
  const int left = std::max(rect.left(), 0), right = std::min(rect.right(), Width - 1);
  const int top = std::max(rect.top(), 0), bottom = std::min(rect.bottom(), Height - 1);
  if (left > right || top > bottom) return;
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
    for (int i = 0; i < right - left; ++i) {
      const quint32 s = source[i];
      const quint32 alpha = s >> 24;
      if (alpha == 0) continue;
      if (alpha == 255) {
        line[i] = s;
        continue;
      }
      const quint32 d = line[i], keep = 255 - alpha;
      const quint32 r = ((s >> 16) & 0xFF) + MultiplyByte((d >> 16) & 0xFF, keep);
      const quint32 g = ((s >> 8) & 0xFF) + MultiplyByte((d >> 8) & 0xFF, keep);
      const quint32 b = (s & 0xFF) + MultiplyByte(d & 0xFF, keep);
      const quint32 a = alpha + MultiplyByte(d >> 24, keep);
      line[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
}
