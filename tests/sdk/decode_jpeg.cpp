#include "decode_jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tqsdk::test {
namespace {

struct Trap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void fail(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<Trap*>(cinfo->err)->jump, 1); }
void quiet(j_common_ptr) {}

bool decode_into(const uint8_t* data, size_t size, Decoded& out) {
  jpeg_decompress_struct cinfo;
  Trap trap;
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = fail;
  trap.manager.output_message = quiet;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  out.width = cinfo.output_width;
  out.height = cinfo.output_height;
  out.rgb.resize(size_t(out.width) * out.height * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.rgb.data() + size_t(cinfo.output_scanline) * out.width * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<Decoded> decode_jpeg(const uint8_t* data, size_t size) {
  Decoded out{};
  if (!decode_into(data, size, out)) return std::nullopt;
  return out;
}

}  // namespace tqsdk::test
