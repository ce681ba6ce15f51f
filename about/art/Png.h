#pragma once
#include <cstdint>
#include <vector>
#include "about/art/Raster.h"

// A complete PNG file (8-bit RGBA) of the image. The build has no PNG or
// zlib library to rely on, so the deflate stream is our own: LZ77 matches
// coded with the fixed Huffman tables, which suits flat artwork well.
std::vector<std::uint8_t> EncodePng(const TRgbaImage& image);
