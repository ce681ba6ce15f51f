#include "about/art/Svg.h"
#include <cstdio>

namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string result = text;
  // Trim trailing zeros: "12.50" -> "12.5", "3.00" -> "3".
  while (result.back() == '0') result.pop_back();
  if (result.back() == '.') result.pop_back();
  return result == "-0" ? "0" : result;
}

std::string Colour(const TRgba& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.R, colour.G, colour.B);
  return text;
}

std::string PathData(const TShape& shape) {
  std::string data;
  for (const auto& outline : shape.Outlines) {
    for (std::size_t i = 0; i < outline.size(); ++i)
      data += (i == 0 ? "M" : "L") + Number(outline[i].X) + " " + Number(outline[i].Y);
    data += "Z";
  }
  return data;
}

}  // namespace

std::string EncodeSvg(const TDrawing& drawing) {
  const std::string size = std::to_string(drawing.Size);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size +
                    "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
  for (const TShape& shape : drawing.Shapes) {
    svg += "<path fill=\"" + Colour(shape.Colour) + "\"";
    if (shape.Colour.A != 255) svg += " fill-opacity=\"" + Number(shape.Colour.A / 255.0) + "\"";
    svg += " d=\"" + PathData(shape) + "\"/>\n";
  }
  return svg + "</svg>\n";
}
