#pragma once
#include <cstdint>
#include <vector>

// JPEG files made on the spot with libjpeg's encoder, for inputs that the
// game's own picture does not cover.
enum class TJpegKind { Baseline, Progressive, Grey, Cmyk };

std::vector<std::uint8_t> EncodeTestJpeg(int width, int height, TJpegKind kind);

// Rewrites the picture size in the first start-of-frame segment (a hostile
// file claims any size it likes); false when there is no such segment.
bool PatchFrameSize(std::vector<std::uint8_t>& jpeg, int width, int height);
