#include "core_about/JpegTestFiles.h"
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

std::vector<std::uint8_t> EncodeTestJpeg(int width, int height, TJpegKind kind) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);  // the test's own inputs are valid
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  const int components = kind == TJpegKind::Grey ? 1 : kind == TJpegKind::Cmyk ? 4 : 3;
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = kind == TJpegKind::Grey ? JCS_GRAYSCALE : kind == TJpegKind::Cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  if (kind == TJpegKind::Progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * components);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = static_cast<unsigned char>((i * 7 + cinfo.next_scanline * 3) & 0xFF);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

// Walks the header's marker segments up to the first frame header.
bool PatchFrameSize(std::vector<std::uint8_t>& jpeg, int width, int height) {
  std::size_t i = 2;  // after the start-of-image marker
  while (i + 9 < jpeg.size() && jpeg[i] == 0xFF) {
    const std::uint8_t marker = jpeg[i + 1];
    const std::size_t length = (std::size_t{jpeg[i + 2]} << 8) | jpeg[i + 3];
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      // FF Cn, length (2), precision (1), height (2), width (2)
      jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<std::uint8_t>(height & 0xFF);
      jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<std::uint8_t>(width & 0xFF);
      return true;
    }
    i += 2 + length;
  }
  return false;
}
