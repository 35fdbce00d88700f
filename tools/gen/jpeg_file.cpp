#include "jpeg_file.h"

#include <csetjmp>
#include <cstdio>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "exif_block.h"

namespace gen {

namespace {

struct ErrorTrap {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
  auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
  info->err->format_message(info, trap->message);
  std::longjmp(trap->jump, 1);
}

std::string fail(const JpegForm& form, const std::string& what) {
  return form.id + ": " + what;
}

// Reads the marker segments back and compares them with the form.
void checkLayout(const Bytes& b, const JpegForm& form) {
  auto need = [&](bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(fail(form, what));
  };
  need(b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8, "does not start with SOI");
  need(b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9, "does not end with EOI");
  std::size_t at = 2;
  std::vector<int> ahead;  // markers before the frame header
  int tables = 0, scans = 0;
  bool frame = false;
  while (at + 4 <= b.size() && scans == 0) {
    need(b[at] == 0xFF, "segment without marker at " + std::to_string(at));
    int marker = b[at + 1];
    std::size_t length = (b[at + 2] << 8) | b[at + 3];
    const std::uint8_t* body = &b[at + 4];
    if (!frame && marker != 0xC0) ahead.push_back(marker);
    if (marker == 0xE0) {
      need(length >= 16 && std::string(body, body + 5) == std::string("JFIF\0", 5),
           "APP0 is not JFIF");
      need(body[5] == 1 && body[6] == 1, "JFIF version is not 1.01");
      need(body[7] == form.densityUnit && ((body[8] << 8) | body[9]) == form.xDensity &&
               ((body[10] << 8) | body[11]) == form.yDensity,
           "JFIF density differs from the form");
    } else if (marker == 0xE1) {
      need(static_cast<int>(length) == form.exifSegmentLength,
           "Exif segment is " + std::to_string(length) + " bytes long, the form says " +
               std::to_string(form.exifSegmentLength));
    } else if (marker == 0xDB) {
      for (std::size_t p = 0; p + 2 < length; p += 1 + ((body[p] >> 4) ? 128 : 64)) ++tables;
    } else if (marker == 0xC0) {
      frame = true;
      need(body[0] == 8 && ((body[1] << 8) | body[2]) == form.height &&
               ((body[3] << 8) | body[4]) == form.width && body[5] == 3,
           "frame header differs from the form");
      need(body[7] == 0x22 && body[10] == 0x11 && body[13] == 0x11, "sampling is not 2x2/1x1/1x1");
    } else if (marker == 0xDD) {
      need(false, "has a restart interval");
    } else if (marker == 0xDA) {
      ++scans;
    } else {
      need(marker == 0xC4, "unexpected marker " + std::to_string(marker));
    }
    at += 2 + length;
  }
  std::vector<int> expected{0xE0};
  if (form.exifSegmentLength) expected.push_back(0xE1);
  expected.push_back(0xDB);
  if (ahead.size() == expected.size() + 1) expected.push_back(0xDB);
  std::string seen;
  for (int m : ahead)
    seen += " FF" + std::string(1, "0123456789ABCDEF"[m >> 4]) + "0123456789ABCDEF"[m & 15];
  need(frame && ahead == expected, "segments ahead of the frame differ from the form:" + seen);
  need(tables == 2, std::to_string(tables) + " quantisation tables instead of 2");
  // Only one scan: no second SOS follows the entropy-coded data.
  for (std::size_t p = at; p + 1 < b.size() - 2; ++p)
    need(!(b[p] == 0xFF && b[p + 1] == 0xDA), "has more than one scan");
}

}  // namespace

Bytes encodeJpeg(const Canvas& art, const JpegForm& form) {
  if (art.width() != form.width || art.height() != form.height)
    throw std::runtime_error(fail(form, "picture size differs from the form"));
  jpeg_compress_struct info{};
  ErrorTrap trap{};
  info.err = jpeg_std_error(&trap.base);
  trap.base.error_exit = onError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    throw std::runtime_error(fail(form, trap.message));
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(form.width);
  info.image_height = static_cast<JDIMENSION>(form.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, form.quality, TRUE);
  info.write_JFIF_header = TRUE;
  info.JFIF_major_version = 1;
  info.JFIF_minor_version = 1;
  info.density_unit = static_cast<UINT8>(form.densityUnit);
  info.X_density = static_cast<UINT16>(form.xDensity);
  info.Y_density = static_cast<UINT16>(form.yDensity);
  info.restart_interval = 0;
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  if (form.exifSegmentLength) {
    Bytes exif = exifPayload(form.width, form.height);
    jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
  }
  std::vector<JSAMPLE> row(static_cast<std::size_t>(form.width) * 3);
  for (int y = 0; y < form.height; ++y) {
    for (int x = 0; x < form.width; ++x) {
      Color c = art.get(x, y);
      row[x * 3 + 0] = static_cast<JSAMPLE>(std::lround(clamp01(c.r) * 255));
      row[x * 3 + 1] = static_cast<JSAMPLE>(std::lround(clamp01(c.g) * 255));
      row[x * 3 + 2] = static_cast<JSAMPLE>(std::lround(clamp01(c.b) * 255));
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  checkLayout(out, form);
  return out;
}

}  // namespace gen
