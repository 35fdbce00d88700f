#include "forms/picture/jpeg_decode.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t first

#include <jpeglib.h>

#include "forms/picture/picture_buffer.h"

namespace orv::picture_internal {
namespace {

// Memory that libjpeg may use beside the output rows (a progressive picture of
// the largest size keeps all its coefficients); more ends the decoding.
constexpr long kLibjpegMemory = 256L * 1024 * 1024;
// Real progressive files have about ten scans; a flood of tiny scans costs a
// full pass each and only crafted data has it.
constexpr int kMaxScans = 100;
constexpr int kRowsPerRead = 16;

// libjpeg reports errors through these callbacks; the error leaves by longjmp
// back to decodeInto, which owns no object with a destructor.
struct ErrorTrap {
  jpeg_error_mgr manager;  // first, so that cinfo->err leads back to the trap
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

// A warning means corrupt or truncated data, which libjpeg would patch over
// with grey: such a picture counts as one that does not decode.
void onMessage(j_common_ptr cinfo, int level) {
  if (level < 0) leave(cinfo);
}

void silence(j_common_ptr) {}

void limitScans(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) leave(cinfo);
}

struct DecompressGuard {
  jpeg_decompress_struct& cinfo;
  ~DecompressGuard() { jpeg_destroy_decompress(&cinfo); }
};

bool readRows(jpeg_decompress_struct& cinfo, DecodedPicture& picture) {
  JSAMPROW rows[kRowsPerRead];
  while (cinfo.output_scanline < cinfo.output_height) {
    const JDIMENSION first = cinfo.output_scanline;
    const JDIMENSION count =
        std::min<JDIMENSION>(kRowsPerRead, cinfo.output_height - cinfo.output_scanline);
    for (JDIMENSION i = 0; i < count; ++i) {
      rows[i] = picture.pixels.data() + size_t{first + i} * picture.stride;
    }
    if (jpeg_read_scanlines(&cinfo, rows, count) == 0) return false;
  }
  return true;
}

#ifndef JCS_EXTENSIONS
// Plain libjpeg gives red, green, blue.
void swapRedBlue(DecodedPicture& picture) {
  for (int y = 0; y < picture.height; ++y) {
    uint8_t* pixel = picture.pixels.data() + size_t{picture.stride} * static_cast<size_t>(y);
    for (int x = 0; x < picture.width; ++x, pixel += 3) std::swap(pixel[0], pixel[2]);
  }
}
#endif

bool decodeInto(jpeg_decompress_struct& cinfo, ErrorTrap& trap, const uint8_t* data, size_t size,
                DecodedPicture& picture) {
  if (setjmp(trap.jump)) return false;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kLibjpegMemory;
  trap.progress.progress_monitor = limitScans;
  cinfo.progress = &trap.progress;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (!pictureSizeAllowed(cinfo.image_width, cinfo.image_height)) return false;
#ifdef JCS_EXTENSIONS
  cinfo.out_color_space = JCS_EXT_BGR;  // libjpeg-turbo writes the GDI order itself
#else
  cinfo.out_color_space = JCS_RGB;
#endif
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3 || cinfo.output_width != cinfo.image_width ||
      cinfo.output_height != cinfo.image_height) {
    return false;
  }
  picture =
      blankPicture(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), 24);
  if (!readRows(cinfo, picture)) return false;
  jpeg_finish_decompress(&cinfo);
#ifndef JCS_EXTENSIONS
  swapRedBlue(picture);
#endif
  return true;
}

}  // namespace

std::optional<DecodedPicture> decodeJpeg(const uint8_t* data, size_t size) {
  if (size > ULONG_MAX) return std::nullopt;  // jpeg_mem_src takes an unsigned long
  ErrorTrap trap{};
  jpeg_decompress_struct cinfo{};
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = leave;
  trap.manager.emit_message = onMessage;
  trap.manager.output_message = silence;
  const DecompressGuard guard{cinfo};
  DecodedPicture picture;
  if (!decodeInto(cinfo, trap, data, size, picture)) return std::nullopt;
  return picture;
}

}  // namespace orv::picture_internal
