#include "about/JpegDecoder.h"
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, whose default ends the
// process. Ours jumps back to the decoder instead. A longjmp skips C++
// destructors, so every function that calls setjmp below holds only plain C
// values, and every C++ object (the result, its pixel vector) lives in the
// caller, outside any jump. One decompressor is created per decode and
// destroyed on every path by the caller.

namespace {

struct TDecodeContext {
  // First, so that libjpeg's cinfo->err leads back to the whole context.
  jpeg_error_mgr ErrorManager;
  jpeg_progress_mgr Progress;
  std::jmp_buf Escape;
  char Message[JMSG_LENGTH_MAX];
  int MaxScans;
};

TDecodeContext& ContextOf(j_common_ptr cinfo) {
  return *reinterpret_cast<TDecodeContext*>(cinfo->err);
}

[[noreturn]] void EscapeWith(j_common_ptr cinfo, const char* message) {
  TDecodeContext& context = ContextOf(cinfo);
  std::snprintf(context.Message, sizeof context.Message, "%s", message);
  std::longjmp(context.Escape, 1);
}

[[noreturn]] void EscapeOnError(j_common_ptr cinfo) {
  char message[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, message);
  EscapeWith(cinfo, message);
}

// Level -1 is a warning: corrupt data that libjpeg would paper over with
// grey. A picture with a hole in it is no better than none, so a warning
// ends the decode. Trace messages (levels 0 and up) are ignored.
void EscapeOnWarning(j_common_ptr cinfo, int level) {
  if (level < 0) EscapeOnError(cinfo);
}

void LimitScans(j_common_ptr cinfo) {
  if (cinfo->is_decompressor == 0) return;
  const auto* decompressor = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompressor->input_scan_number > ContextOf(cinfo).MaxScans)
    EscapeWith(cinfo, "Too many scans in a progressive JPEG");
}

void PrepareContext(TDecodeContext& context, const TJpegLimits& limits) {
  jpeg_std_error(&context.ErrorManager);
  context.ErrorManager.error_exit = EscapeOnError;
  context.ErrorManager.emit_message = EscapeOnWarning;
  context.Progress = {};
  context.Progress.progress_monitor = LimitScans;
  context.Message[0] = '\0';
  context.MaxScans = limits.MaxScans;
}

// Creating the decompressor can fail too (out of memory), so it runs under
// the same escape.
bool CreateDecompressor(jpeg_decompress_struct* cinfo, TDecodeContext& context, long maxMemory) {
  if (setjmp(context.Escape)) return false;
  cinfo->err = &context.ErrorManager;
  jpeg_create_decompress(cinfo);
  cinfo->progress = &context.Progress;
  cinfo->mem->max_memory_to_use = maxMemory;
  return true;
}

bool ReadHeader(jpeg_decompress_struct* cinfo, TDecodeContext& context, const std::uint8_t* data,
                std::size_t size) {
  if (setjmp(context.Escape)) return false;
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  return true;
}

// For a progressive picture this reads every scan of the input.
bool StartDecompress(jpeg_decompress_struct* cinfo, TDecodeContext& context) {
  if (setjmp(context.Escape)) return false;
  cinfo->out_color_space = JCS_RGB;
  jpeg_start_decompress(cinfo);
  return true;
}

bool ReadRows(jpeg_decompress_struct* cinfo, TDecodeContext& context, std::uint8_t* pixels) {
  if (setjmp(context.Escape)) return false;
  const std::size_t stride = std::size_t{cinfo->output_width} * 3;
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = pixels + stride * cinfo->output_scanline;
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) EscapeWith(reinterpret_cast<j_common_ptr>(cinfo), "JPEG ends early");
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

// The picture's size is known from its header, before libjpeg allocates
// anything for its pixels.
const char* RefusalOfSize(const jpeg_decompress_struct& cinfo, const TJpegLimits& limits) {
  const auto width = static_cast<std::size_t>(cinfo.image_width);
  const auto height = static_cast<std::size_t>(cinfo.image_height);
  if (width == 0 || height == 0) return "JPEG has no pixels";
  const auto maxSide = static_cast<std::size_t>(limits.MaxSide > 0 ? limits.MaxSide : 0);
  if (width > maxSide || height > maxSide || width * height > limits.MaxPixels)
    return "JPEG is too large";
  return nullptr;
}

// libjpeg always words its errors; the fallback keeps a failure from ever
// reading as success.
void Fail(TJpegDecodeResult& result, const char* message) {
  result.Error = (message != nullptr && message[0] != '\0') ? message : "JPEG could not be decoded";
}

// Runs the decode on a decompressor that the caller created and destroys.
void Decode(jpeg_decompress_struct& cinfo, TDecodeContext& context, std::span<const std::uint8_t> bytes,
            const TJpegLimits& limits, TJpegDecodeResult& result) {
  if (!ReadHeader(&cinfo, context, bytes.data(), bytes.size())) {
    Fail(result, context.Message);
    return;
  }
  if (const char* refusal = RefusalOfSize(cinfo, limits)) {
    Fail(result, refusal);
    return;
  }
  if (!StartDecompress(&cinfo, context)) {
    Fail(result, context.Message);
    return;
  }
  if (cinfo.output_components != 3) {
    Fail(result, "JPEG does not decode to RGB");
    return;
  }
  TRgbImage& image = result.Image;
  image.Width = static_cast<int>(cinfo.output_width);
  image.Height = static_cast<int>(cinfo.output_height);
  try {
    image.Pixels.resize(std::size_t{cinfo.output_width} * cinfo.output_height * 3);
  } catch (const std::bad_alloc&) {
    Fail(result, "Out of memory for the JPEG's pixels");
    return;
  }
  if (!ReadRows(&cinfo, context, image.Pixels.data())) Fail(result, context.Message);
}

}  // namespace

TJpegDecodeResult DecodeJpeg(std::span<const std::uint8_t> bytes, const TJpegLimits& limits) {
  TJpegDecodeResult result;
  if (bytes.empty()) {
    result.Error = "Empty JPEG input";
    return result;
  }
  TDecodeContext context;
  PrepareContext(context, limits);
  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  if (CreateDecompressor(&cinfo, context, limits.MaxWorkingMemory))
    Decode(cinfo, context, bytes, limits, result);
  else
    Fail(result, context.Message);
  jpeg_destroy_decompress(&cinfo);
  if (!result.Ok()) result.Image = TRgbImage{};
  if (result.Ok() && result.Image.Pixels.empty()) result.Error = "JPEG has no pixels";
  return result;
}
