#include "sdk/card.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <system_error>

#include "sdk/scene.h"

namespace tqsdk {
namespace fs = std::filesystem;
namespace {

std::optional<uint32_t> serial_of(const std::string& name) {
  // PIC + five digits + .TQN
  if (name.size() != 12 || name.compare(0, 3, "PIC") != 0 || name.compare(8, 4, ".TQN") != 0)
    return std::nullopt;
  uint32_t serial = 0;
  for (size_t i = 3; i < 8; ++i) {
    if (name[i] < '0' || name[i] > '9') return std::nullopt;
    serial = serial * 10 + uint32_t(name[i] - '0');
  }
  return serial == 0 ? std::nullopt : std::optional(serial);
}

Stamp stamp_of(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return {uint16_t(local.tm_sec), uint16_t(local.tm_min), uint16_t(local.tm_hour),
          uint16_t(local.tm_mday), uint16_t(local.tm_mon + 1), uint16_t(local.tm_year + 1900)};
}

// The pictures a new card holds: both kinds of upright picture among them.
constexpr Shot samples[] = {
    {1600, 1200, 0}, {1024, 768, 0}, {768, 1024, 1}, {640, 480, 0}, {480, 640, 3},
};

bool fill_new_card(const fs::path& dir) {
  std::error_code error;
  if (!fs::create_directory(dir / "MEMORY", error)) return false;
  const std::time_t now = std::time(nullptr);
  uint32_t serial = 1;
  for (const Shot& shot : samples) {
    const Stamp taken = stamp_of(now - std::time_t(std::size(samples) - serial + 1) * 86400);
    if (!shoot(dir / picture_name(serial), serial, shot, 104, taken)) return false;
    ++serial;
  }
  return true;
}

}  // namespace

std::optional<fs::path> card_location() {
  if (const char* named = std::getenv("TQSDK_CARD"); named != nullptr && *named != '\0') return fs::path(named);
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
    return fs::path(data) / "fotivo" / "card";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
    return fs::path(home) / ".local" / "share" / "fotivo" / "card";
  return std::nullopt;
}

std::optional<fs::path> mount_card() {
  const auto location = card_location();
  if (!location) return std::nullopt;
  std::error_code error;
  if (fs::is_directory(*location, error)) return location;
  const char* named = std::getenv("TQSDK_CARD");
  if (named != nullptr && *named != '\0') return std::nullopt;

  // Build the new card beside its place and move it in whole, so that a second process
  // never sees half a card.
  fs::create_directories(location->parent_path(), error);
  const fs::path temp = location->parent_path() / ("card.new." + std::to_string(getpid()));
  fs::remove_all(temp, error);
  if (fs::create_directory(temp, error) && fill_new_card(temp)) fs::rename(temp, *location, error);
  fs::remove_all(temp, error);
  if (fs::is_directory(*location, error)) return location;
  return std::nullopt;
}

fs::path store_dir(const fs::path& card, Store store) {
  return store == Store::memory ? card / "MEMORY" : card;
}

std::vector<PictureFile> list_pictures(const fs::path& card, Store store) {
  std::vector<PictureFile> pictures;
  std::error_code error;
  for (fs::directory_iterator it(store_dir(card, store), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (const auto serial = serial_of(name); serial && it->is_regular_file(error))
      pictures.push_back({name, *serial});
  }
  std::sort(pictures.begin(), pictures.end(),
            [](const PictureFile& a, const PictureFile& b) { return a.serial < b.serial; });
  return pictures;
}

uint64_t used_bytes(const fs::path& card, Store store) {
  uint64_t total = 0;
  for (const PictureFile& picture : list_pictures(card, store)) {
    std::error_code error;
    const auto size = fs::file_size(store_dir(card, store) / picture.name, error);
    if (!error) total += size;
  }
  return total;
}

std::optional<uint32_t> next_serial(const fs::path& card) {
  uint32_t highest = 0;
  for (Store store : {Store::card, Store::memory})
    for (const PictureFile& picture : list_pictures(card, store)) highest = std::max(highest, picture.serial);
  if (highest >= last_serial) return std::nullopt;
  return highest + 1;
}

std::string picture_name(uint32_t serial) {
  char name[16];
  std::snprintf(name, sizeof name, "PIC%05u.TQN", unsigned(serial % 100000));
  return name;
}

bool write_picture(const fs::path& file, const NativeHeader& header, const uint8_t* rgb) {
  uint8_t head[native_header_size];
  write_native_header(header, head);
  fs::path temp = file;
  temp += ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(head), sizeof head);
    out.write(reinterpret_cast<const char*>(rgb), std::streamsize(uint64_t(header.width) * header.height * 3));
    out.flush();
    if (!out) {
      std::error_code error;
      fs::remove(temp, error);
      return false;
    }
  }
  std::error_code error;
  fs::rename(temp, file, error);
  return !error;
}

std::optional<std::vector<uint8_t>> read_file(const fs::path& file, uint64_t limit) {
  std::error_code error;
  const auto size = fs::file_size(file, error);
  if (error || size > limit) return std::nullopt;
  std::vector<uint8_t> data(size);
  if (!read_file_into(file, data.data(), size)) return std::nullopt;
  return data;
}

std::optional<uint64_t> read_file_into(const fs::path& file, uint8_t* out, uint64_t capacity) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const auto size = uint64_t(std::streamoff(in.tellg()));
  if (!in || size > capacity) return std::nullopt;
  in.seekg(0);
  in.read(reinterpret_cast<char*>(out), std::streamsize(size));
  if (uint64_t(in.gcount()) != size) return std::nullopt;
  return size;
}

bool shoot(const fs::path& file, uint32_t seed, Shot shot, int32_t cameratype, const Stamp& taken) {
  std::vector<uint8_t> rgb(size_t(shot.width) * shot.height * 3);
  render_scene(seed, shot.width, shot.height, rgb.data());
  return write_picture(file, {cameratype, shot.width, shot.height, shot.orientation, taken}, rgb.data());
}

Stamp stamp_now() { return stamp_of(std::time(nullptr)); }

}  // namespace tqsdk
