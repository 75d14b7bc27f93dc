#include "platform/twain/bitmap_file.h"

#include <fstream>

namespace fotivo {
namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

}  // namespace

bool writeBitmap24(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  if (width <= 0 || height <= 0 || rgb.size() < std::size_t(width) * height * 3) return false;
  const std::uint32_t stride = (std::uint32_t(width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * std::uint32_t(height);
  std::vector<std::uint8_t> file;
  file.reserve(54 + imageSize);
  file.push_back('B');
  file.push_back('M');
  put32(file, 54 + imageSize);
  put32(file, 0);
  put32(file, 54);
  put32(file, 40);  // information header
  put32(file, std::uint32_t(width));
  put32(file, std::uint32_t(height));
  put16(file, 1);
  put16(file, 24);
  put32(file, 0);  // no compression
  put32(file, imageSize);
  put32(file, 2835);  // 72 dots per inch
  put32(file, 2835);
  put32(file, 0);
  put32(file, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* row = rgb.data() + std::size_t(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      file.push_back(row[x * 3 + 2]);
      file.push_back(row[x * 3 + 1]);
      file.push_back(row[x * 3]);
    }
    file.resize(file.size() + (stride - std::uint32_t(width) * 3), 0);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  out.close();
  return bool(out);
}

}  // namespace fotivo
