#pragma once
#include <string>
#include "about/art/Geometry.h"

// The drawing as a scalable SVG document (one path per shape).
std::string EncodeSvg(const TDrawing& drawing);
