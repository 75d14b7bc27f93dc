#include "sdk/pictures.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "sdk/albums.h"
#include "sdk/bytes.h"
#include "sdk/card.h"
#include "sdk/codes.h"
#include "sdk/jpeg_encoder.h"
#include "sdk/scene.h"
#include "sdk/settings.h"
#include "sdk/thumbnail.h"

namespace tqsdk {
namespace fs = std::filesystem;
namespace {

constexpr size_t largest_thumbnail = 96 * 64 * 3;

// The first selector names the store: 0 (the camera's choice) and 1 the card, 2 the
// internal memory.
std::optional<Store> store_of(int32_t selector1) {
  if (selector1 == 0 || selector1 == 1) return Store::card;
  if (selector1 == 2) return Store::memory;
  return std::nullopt;
}

struct Selection {
  Store store;
  std::vector<PictureFile> pictures;
};

// The pictures that the selectors name: a store, then all its pictures (-1) or those
// of one of the camera's albums.
int16_t select(const Camera& camera, const CardState& state, int32_t selector1, int16_t selector2,
               Selection& selection) {
  const auto store = store_of(selector1);
  if (!store || selector2 < -1 || selector2 >= albums_available(state)) return BadArgError;
  selection.store = *store;
  selection.pictures = list_pictures(camera.card, *store);
  if (selector2 >= 0)
    std::erase_if(selection.pictures,
                  [&](const PictureFile& p) { return album_of(state, p.serial) != selector2; });
  return NoErr;
}

struct Found {
  fs::path file;
  PictureFile picture;
};

int16_t find(const Camera& camera, const CardState& state, int32_t selector1, int16_t selector2, int16_t number,
             Found& found) {
  Selection selection;
  if (const int16_t code = select(camera, state, selector1, selector2, selection); code != NoErr) return code;
  if (number < 1 || size_t(number) > selection.pictures.size()) return BadArgError;
  found.picture = selection.pictures[size_t(number) - 1];
  found.file = store_dir(camera.card, selection.store) / found.picture.name;
  return NoErr;
}

bool flag_valid(int32_t flag, const PictInfo& info) {
  return (flag == 0 || flag == 1) && (flag == 0 || info.thumbnail != nullptr);
}

int16_t resolution_class(uint32_t width, uint32_t height) {
  for (int16_t i = 0; i < int16_t(std::size(resolutions)); ++i)
    if ((resolutions[i].width == width && resolutions[i].height == height) ||
        (resolutions[i].width == height && resolutions[i].height == width))
      return i;
  return -1;
}

void fill_specific(const Camera& camera, const PictInfo& info, const ThumbnailPlan& plan, const uint8_t* thumb,
                   uint8_t* specific) {
  const size_t size = pictinfo_specific_size(camera.type);
  if (specific == nullptr || size == 0) return;
  std::memset(specific, 0, size);
  put32(specific, uint32_t(info.serial));
  put32(specific + 4, uint32_t(int32_t(info.album)));
  if (camera.type == 100) {
    put16(specific + 8, uint16_t(info.cameratype));
    put32(specific + 12, info.orientation);
    return;
  }
  put32(specific + 8, uint32_t(info.width));
  put32(specific + 12, uint32_t(info.height));
  put32(specific + 16, uint32_t(info.size));
  put32(specific + 20, uint32_t(int32_t(info.cameratype)));
  put32(specific + 24, uint32_t(info.working));
  put16(specific + 28, uint16_t(resolution_class(uint32_t(info.width), uint32_t(info.height))));
  put32(specific + 32, uint32_t(info.taken.hours) * 3600 + info.taken.minutes * 60u + info.taken.seconds);
  put32(specific + 36, info.orientation);
  put32(specific + 40 + (camera.type == 101 ? 4 : 0), plan.columns);
  put32(specific + 44 + (camera.type == 101 ? 4 : 0), plan.rows);
  // Colour summary of the thumbnail: B the mean red, green and blue, C an eight-step
  // histogram of each.
  uint32_t sums[3] = {0, 0, 0}, histogram[3][8] = {};
  const uint32_t points = plan.columns * plan.rows;
  for (uint32_t i = 0; i < points; ++i)
    for (int c = 0; c < 3; ++c) {
      const uint8_t v = thumb[3 * i + 2 - c];
      sums[c] += v;
      ++histogram[c][v >> 5];
    }
  const std::string name = fs::path(picture_name(uint32_t(info.serial))).stem().string();
  if (camera.type == 101) {
    for (int c = 0; c < 3; ++c) put16(specific + 52 + 2 * c, uint16_t(points ? sums[c] / points : 0));
    std::memcpy(specific + 58, name.c_str(), 9);
  } else {
    put16(specific + 48, uint16_t(points ? (sums[0] + sums[1] + sums[2]) / (3 * points) : 0));
    for (int c = 0; c < 3; ++c)
      for (int b = 0; b < 8; ++b) put32(specific + 56 + 4 * (8 * c + b), histogram[c][b]);
    std::memcpy(specific + 152, name.c_str(), 9);
  }
}

// Describes a native picture: the general information, the thumbnail (when `flag`)
// and the type's own record.
void describe(const Camera& camera, const NativeHeader& header, const uint8_t* rgb, uint32_t serial, int16_t album,
              int16_t number, int32_t flag, PictInfo& info, uint8_t* specific) {
  const ThumbnailPlan plan = plan_thumbnail(header.width, header.height, header.orientation,
                                            thumbnail_box(camera.type), has_specific(camera.type));
  uint8_t thumb[largest_thumbnail];
  draw_thumbnail(rgb, header.width, header.height, plan, thumb);
  if (flag == 1) std::memcpy(info.thumbnail, thumb, plan.bytes());
  info.number = number;
  info.thumbwidth = plan.widthfield;
  info.thumbheight = plan.heightfield;
  info.width = int32_t(header.width);
  info.height = int32_t(header.height);
  info.size = int32_t(native_size(header.width, header.height));
  info.working = int32_t(working_size(header.width, header.height));
  info.serial = int32_t(serial);
  info.taken = header.taken;
  info.album = album;
  info.orientation = int16_t(header.orientation);
  info.cameratype = int16_t(header.cameratype);
  fill_specific(camera, info, plan, thumb, specific);
}

// Reads a picture of the card whole into memory.
int16_t load(const fs::path& file, std::vector<uint8_t>& data, NativeHeader& header) {
  auto read = read_file(file, native_size(native_max_side, native_max_side));
  if (!read) return SystemError;
  const auto parsed = read_native_header(read->data(), read->size());
  if (!parsed) return ImageProcessError;
  data = std::move(*read);
  header = *parsed;
  return NoErr;
}

// Fetches a picture of the card into the caller's first buffer, as the camera sends it.
int16_t fetch(const Found& found, Buffer working, NativeHeader& header) {
  std::error_code error;
  const auto size = fs::file_size(found.file, error);
  if (error) return SystemError;
  if (size > working.size) return BadArgError;
  if (!read_file_into(found.file, working.address, working.size)) return SystemError;
  const auto parsed = read_native_header(working.address, size_t(size));
  if (!parsed) return ImageProcessError;
  header = *parsed;
  return NoErr;
}

// Fetches the picture that the selectors and the number name into the first buffer.
int16_t fetch_selected(const Camera& camera, int32_t selector1, int16_t selector2, int16_t number, Buffer working,
                       NativeHeader& header) {
  Found found;
  if (const int16_t code = find(camera, CardState::load(camera.card), selector1, selector2, number, found);
      code != NoErr)
    return code;
  return fetch(found, working, header);
}

std::optional<NativeHeader> parse(Buffer data) {
  return read_native_header(data.address, size_t(std::min<uint64_t>(data.size, SIZE_MAX)));
}

int16_t to_bitmap(const NativeHeader& header, const uint8_t* native, Buffer bits) {
  if (bitmap_size(header.width, header.height) > bits.size) return BadArgError;
  native_to_bitmap(native + native_header_size, header.width, header.height, bits.address);
  return NoErr;
}

int16_t to_jpeg(const NativeHeader& header, const uint8_t* native, int quality, int32_t& jpegsize, Buffer jpeg) {
  const JpegResult result = encode_jpeg(native + native_header_size, header.width, header.height, quality,
                                        jpeg.address, size_t(std::min<uint64_t>(jpeg.size, SIZE_MAX)));
  if (result.outcome == JpegOutcome::failed) return ImageProcessError;
  jpegsize = int32_t(std::min<size_t>(result.size, INT32_MAX));
  return result.outcome == JpegOutcome::done ? NoErr : MemoryFullError;
}

}  // namespace

size_t pictinfo_specific_size(int32_t type) {
  return type == 100 ? 16 : type == 101 ? 67 : type == 104 ? 161 : 0;
}

int16_t store_shot(const Camera& camera, CardState& state, int32_t selector, int32_t flag, uint32_t seed,
                   PictInfo& info, uint8_t* specific) {
  const auto store = store_of(selector);
  if (!store || !flag_valid(flag, info)) return BadArgError;
  const Resolution shot = shot_resolution(state);
  const auto serial = next_serial(camera.card);
  if (!serial || used_bytes(camera.card, *store) + native_size(shot.width, shot.height) > capacity_of(*store))
    return MemoryFullError;

  const NativeHeader header{camera.type, shot.width, shot.height, 0, stamp_now()};
  std::vector<uint8_t> rgb(size_t(shot.width) * shot.height * 3);
  render_scene(seed, shot.width, shot.height, rgb.data());
  if (!write_picture(store_dir(camera.card, *store) / picture_name(*serial), header, rgb.data()))
    return SystemError;
  const int16_t album = *store == Store::card ? album_active(state) : int16_t(-1);
  if (album >= 0) {
    set_album_of(state, *serial, album);
    if (!state.save(camera.card)) return SystemError;
  }
  const auto pictures = list_pictures(camera.card, *store);
  const auto at = std::find_if(pictures.begin(), pictures.end(),
                               [&](const PictureFile& p) { return p.serial == *serial; });
  describe(camera, header, rgb.data(), *serial, album, int16_t(at - pictures.begin() + 1), flag, info, specific);
  return NoErr;
}

int16_t take_picture(const Camera& camera, int32_t selector, int32_t flag, PictInfo& info, uint8_t* specific) {
  CardState state = CardState::load(camera.card);
  const auto serial = next_serial(camera.card);
  return store_shot(camera, state, selector, flag, serial.value_or(0), info, specific);
}

int16_t delete_picture(const Camera& camera, int32_t selector1, int16_t selector2, int16_t number) {
  CardState state = CardState::load(camera.card);
  Selection selection;
  if (const int16_t code = select(camera, state, selector1, selector2, selection); code != NoErr) return code;
  // -1 deletes every picture of the selection.
  if (number != -1 && (number < 1 || size_t(number) > selection.pictures.size())) return BadArgError;
  std::vector<PictureFile> doomed = selection.pictures;
  if (number != -1) doomed = {selection.pictures[size_t(number) - 1]};
  for (const PictureFile& picture : doomed) {
    std::error_code error;
    if (!fs::remove(store_dir(camera.card, selection.store) / picture.name, error)) return SystemError;
    set_album_of(state, picture.serial, -1);
  }
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t copy_memory_to_card(const Camera& camera, int16_t first, int16_t count) {
  const auto pictures = list_pictures(camera.card, Store::memory);
  // From picture `first` of the memory, `count` pictures or (-1) all that follow.
  if (first < 1 || size_t(first) > pictures.size()) return BadArgError;
  const size_t rest = pictures.size() - size_t(first) + 1;
  if (count != -1 && (count < 1 || size_t(count) > rest)) return BadArgError;
  const size_t moving = count == -1 ? rest : size_t(count);

  uint64_t bytes = 0;
  std::error_code error;
  for (size_t i = 0; i < moving; ++i)
    bytes += fs::file_size(store_dir(camera.card, Store::memory) / pictures[size_t(first) - 1 + i].name, error);
  if (error) return SystemError;
  if (used_bytes(camera.card, Store::card) + bytes > card_capacity) return MemoryFullError;
  for (size_t i = 0; i < moving; ++i) {
    const std::string& name = pictures[size_t(first) - 1 + i].name;
    fs::rename(store_dir(camera.card, Store::memory) / name, store_dir(camera.card, Store::card) / name, error);
    if (error) return SystemError;
  }
  return NoErr;
}

int16_t camera_pict_info(const Camera& camera, int32_t selector1, int16_t selector2, int16_t number, int32_t flag,
                         PictInfo& info, uint8_t* specific) {
  if (!flag_valid(flag, info)) return BadArgError;
  const CardState state = CardState::load(camera.card);
  Found found;
  if (const int16_t code = find(camera, state, selector1, selector2, number, found); code != NoErr) return code;
  std::vector<uint8_t> data;
  NativeHeader header;
  if (const int16_t code = load(found.file, data, header); code != NoErr) return code;
  describe(camera, header, data.data() + native_header_size, found.picture.serial,
           album_of(state, found.picture.serial), number, flag, info, specific);
  return NoErr;
}

int16_t native_pict_info(const Camera& camera, Buffer data, int32_t flag, PictInfo& info, uint8_t* specific) {
  if (!flag_valid(flag, info)) return BadArgError;
  const auto header = parse(data);
  if (!header) return ImageProcessError;
  describe(camera, *header, data.address + native_header_size, 0, -1, 0, flag, info, specific);
  return NoErr;
}

int16_t native_camera_type(Buffer data, int32_t& type) {
  const auto header = parse(data);
  if (!header) return ImageProcessError;
  type = header->cameratype;
  return NoErr;
}

int16_t camera_picture(const Camera& camera, int32_t selector1, int16_t selector2, const PictInfo& info,
                       Buffer working, Buffer bits) {
  NativeHeader header;
  if (const int16_t code = fetch_selected(camera, selector1, selector2, info.number, working, header); code != NoErr)
    return code;
  return to_bitmap(header, working.address, bits);
}

int16_t native_picture(const Camera& camera, int32_t selector1, int16_t selector2, const PictInfo& info, Buffer out) {
  NativeHeader header;
  return fetch_selected(camera, selector1, selector2, info.number, out, header);
}

int16_t process_native(Buffer data, Buffer bits) {
  const auto header = parse(data);
  if (!header) return ImageProcessError;
  return to_bitmap(*header, data.address, bits);
}

int16_t camera_picture_as_jpeg(const Camera& camera, int32_t selector1, int16_t selector2, const PictInfo& info,
                               int32_t quality, int32_t& jpegsize, Buffer working, Buffer jpeg) {
  const auto encoderquality = jpeg_quality(quality);
  if (!encoderquality) return BadArgError;
  NativeHeader header;
  if (const int16_t code = fetch_selected(camera, selector1, selector2, info.number, working, header); code != NoErr)
    return code;
  return to_jpeg(header, working.address, *encoderquality, jpegsize, jpeg);
}

int16_t process_native_as_jpeg(int32_t quality, int32_t& jpegsize, Buffer data, Buffer jpeg) {
  const auto encoderquality = jpeg_quality(quality);
  if (!encoderquality) return BadArgError;
  const auto header = parse(data);
  if (!header) return ImageProcessError;
  return to_jpeg(*header, data.address, *encoderquality, jpegsize, jpeg);
}

}  // namespace tqsdk
