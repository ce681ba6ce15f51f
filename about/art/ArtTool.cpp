// The build's picture tool. It draws the game's artwork and writes it as
// the build needs it:
//   quorlane-art ppm FILE              the about picture, 128 x 128, opaque
//   quorlane-art png SIZE FILE         an application icon with transparency
//   quorlane-art svg FILE              the scalable application icon
//   quorlane-art embed FILE.cpp JPEG SIZE=PNG...
//                                      C++ arrays of the picture and icons,
//                                      and the window icon's sizes as pixels
// Output depends only on this source, so every build makes the same files.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "about/art/Artwork.h"
#include "about/art/Png.h"
#include "about/art/Raster.h"
#include "about/art/Svg.h"

namespace {

using TBytes = std::vector<std::uint8_t>;
constexpr int kPictureSize = 128;
// The sizes a window's title bar and task bar show; larger ones come from
// the icon theme.
constexpr int kWindowIconSizes[] = {16, 32, 48, 64};

bool WriteFile(const std::string& path, const void* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(file);
}

bool ReadFile(const std::string& path, TBytes& bytes) {
  std::ifstream file(path, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return static_cast<bool>(file) || file.eof();
}

// Binary PPM (P6), the input format of cjpeg.
bool WritePpm(const std::string& path) {
  const TRgbaImage image = Rasterise(DrawArtwork(kPictureSize, true));
  std::string data = "P6\n" + std::to_string(image.Size) + " " + std::to_string(image.Size) + "\n255\n";
  for (std::size_t i = 0; i < image.Pixels.size(); i += 4) data.append(reinterpret_cast<const char*>(&image.Pixels[i]), 3);
  return WriteFile(path, data.data(), data.size());
}

bool WriteIcon(int size, const std::string& path) {
  const TBytes png = EncodePng(Rasterise(DrawArtwork(size, false)));
  return WriteFile(path, png.data(), png.size());
}

bool WriteSvg(const std::string& path) {
  const std::string svg = EncodeSvg(DrawArtwork(256, false));
  return WriteFile(path, svg.data(), svg.size());
}

std::string ArrayDefinition(const std::string& name, const TBytes& bytes) {
  std::string text = "const std::uint8_t " + name + "[] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text += (i % 20 == 0 ? "\n    " : "") + std::to_string(bytes[i]) + ",";
  }
  return text + "\n};\n";
}

// Writes the definitions that about/EmbeddedArt.h declares.
bool WriteEmbedding(const std::string& path, const std::string& jpegPath, const std::vector<std::string>& icons) {
  TBytes jpeg;
  if (!ReadFile(jpegPath, jpeg) || jpeg.empty()) return false;
  std::string source = "// Made by the build from the artwork's drawing; do not edit.\n"
                       "#include \"about/EmbeddedArt.h\"\n\nnamespace {\n\n";
  source += ArrayDefinition("kAboutPicture", jpeg);
  std::string table;
  for (std::size_t i = 0; i < icons.size(); ++i) {
    const auto equals = icons[i].find('=');
    if (equals == std::string::npos) return false;
    TBytes png;
    if (!ReadFile(icons[i].substr(equals + 1), png) || png.empty()) return false;
    const std::string name = "kIcon" + std::to_string(i);
    source += ArrayDefinition(name, png);
    table += "    {" + icons[i].substr(0, equals) + ", {" + name + ", sizeof " + name + "}},\n";
  }
  source += "\nconst TEmbeddedIcon kIcons[] = {\n" + table + "};\n\n";
  std::string pixelTable;
  for (const int size : kWindowIconSizes) {
    const TRgbaImage image = Rasterise(DrawArtwork(size, false));
    const std::string name = "kWindowIcon" + std::to_string(size);
    source += ArrayDefinition(name, image.Pixels);
    pixelTable += "    {" + std::to_string(size) + ", {" + name + ", sizeof " + name + "}},\n";
  }
  source += "\nconst TEmbeddedPixels kWindowIcons[] = {\n" + pixelTable + "};\n\n}  // namespace\n\n";
  source += "std::span<const std::uint8_t> AboutPictureJpeg() { return kAboutPicture; }\n";
  source += "std::span<const TEmbeddedIcon> ApplicationIconPngs() { return kIcons; }\n";
  source += "std::span<const TEmbeddedPixels> WindowIconPixels() { return kWindowIcons; }\n";
  return WriteFile(path, source.data(), source.size());
}

int Usage() {
  std::fputs("usage: quorlane-art ppm FILE | png SIZE FILE | svg FILE | embed FILE.cpp JPEG SIZE=PNG...\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  bool ok = false;
  if (args[0] == "ppm" && args.size() == 2) ok = WritePpm(args[1]);
  else if (args[0] == "png" && args.size() == 3) ok = WriteIcon(std::stoi(args[1]), args[2]);
  else if (args[0] == "svg" && args.size() == 2) ok = WriteSvg(args[1]);
  else if (args[0] == "embed" && args.size() >= 3)
    ok = WriteEmbedding(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end()));
  else return Usage();
  if (!ok) std::fprintf(stderr, "quorlane-art: could not write %s\n", args.back().c_str());
  return ok ? 0 : 1;
}
