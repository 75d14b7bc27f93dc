#include "sdk/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tqsdk {
namespace {

// Writes into the caller's buffer; once it is full, the rest goes to a scratch block
// and is only counted, so the caller learns the size it would need.
struct BoundedDestination {
  jpeg_destination_mgr manager;
  uint8_t* out;
  size_t capacity;
  size_t spilled;
  bool overflow;
  JOCTET scratch[4096];
};

void init_destination(j_compress_ptr) {}

boolean empty_output_buffer(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<BoundedDestination*>(cinfo->dest);
  if (dest->overflow) dest->spilled += sizeof dest->scratch;
  dest->overflow = true;
  dest->manager.next_output_byte = dest->scratch;
  dest->manager.free_in_buffer = sizeof dest->scratch;
  return TRUE;
}

void term_destination(j_compress_ptr) {}

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void error_exit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

void output_message(j_common_ptr) {}

}  // namespace

std::optional<int> jpeg_quality(int32_t code) {
  static constexpr int qualities[] = {50, 75, 90};
  if (code < 0 || code > 2) return std::nullopt;
  return qualities[code];
}

// Only plain data lives in this frame, since a libjpeg error leaves it by longjmp.
JpegResult encode_jpeg(const uint8_t* rgb, uint32_t width, uint32_t height, int quality,
                       uint8_t* out, size_t capacity) {
  jpeg_compress_struct cinfo;
  ErrorTrap trap;
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = error_exit;
  trap.manager.output_message = output_message;
  BoundedDestination dest;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&cinfo);
    return {JpegOutcome::failed, 0};
  }
  jpeg_create_compress(&cinfo);

  dest.manager.init_destination = init_destination;
  dest.manager.empty_output_buffer = empty_output_buffer;
  dest.manager.term_destination = term_destination;
  dest.out = out;
  dest.capacity = capacity;
  dest.spilled = 0;
  dest.overflow = false;
  dest.manager.next_output_byte = out;
  dest.manager.free_in_buffer = capacity;
  cinfo.dest = &dest.manager;
  if (capacity == 0) empty_output_buffer(&cinfo);

  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.optimize_coding = FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  JSAMPROW rows[16];
  while (cinfo.next_scanline < height) {
    JDIMENSION n = 0;
    for (; n < 16 && cinfo.next_scanline + n < height; ++n)
      rows[n] = const_cast<JSAMPROW>(rgb + size_t(cinfo.next_scanline + n) * width * 3);
    jpeg_write_scanlines(&cinfo, rows, n);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);

  if (!dest.overflow) return {JpegOutcome::done, capacity - dest.manager.free_in_buffer};
  const size_t size = capacity + dest.spilled + (sizeof dest.scratch - dest.manager.free_in_buffer);
  return {JpegOutcome::overflow, size};
}

}  // namespace tqsdk
