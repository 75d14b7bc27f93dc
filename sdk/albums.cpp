#include "sdk/albums.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "sdk/card.h"
#include "sdk/codes.h"

namespace tqsdk {
namespace fs = std::filesystem;
namespace {

constexpr int32_t factory_available = 4;
constexpr size_t picture_name_size = 13;  // PIC00001.TQN and its terminating zero

std::string name_key(int32_t album) { return "album.name." + std::to_string(album); }
std::string member_key(uint32_t serial) { return "album." + std::to_string(serial); }

std::vector<uint8_t> album_name(const CardState& state, int32_t album) {
  const std::string factory = "ALBUM " + std::to_string(album + 1);
  return state.bytes(name_key(album), album_name_size, std::vector<uint8_t>(factory.begin(), factory.end()));
}

bool album_valid(const CardState& state, int16_t album) { return album >= 0 && album < albums_available(state); }

// The pictures on the card of one album, or all of them (-1).
std::vector<PictureFile> pictures_in(const Camera& camera, const CardState& state, int16_t album) {
  auto pictures = list_pictures(camera.card, Store::card);
  if (album >= 0)
    std::erase_if(pictures, [&](const PictureFile& p) { return album_of(state, p.serial) != album; });
  return pictures;
}

}  // namespace

int32_t albums_available(const CardState& state) {
  return std::clamp(state.number("albums.available", factory_available), 0, album_slots);
}

int16_t album_active(const CardState& state) {
  const int32_t active = state.number("albums.active", -1);
  return active >= 0 && active < albums_available(state) ? int16_t(active) : int16_t(-1);
}

int16_t album_of(const CardState& state, uint32_t serial) {
  const int32_t album = state.number(member_key(serial), -1);
  return album >= 0 && album < albums_available(state) ? int16_t(album) : int16_t(-1);
}

void set_album_of(CardState& state, uint32_t serial, int16_t album) {
  if (album < 0)
    state.erase(member_key(serial));
  else
    state.setnumber(member_key(serial), album);
}

int16_t album_get_available(const Camera& camera, uintptr_t count) {
  if (count == 0) return BadArgError;
  const int32_t available = albums_available(CardState::load(camera.card));
  std::memcpy(reinterpret_cast<void*>(count), &available, sizeof available);
  return NoErr;
}

// Albums beyond the new count lose their pictures (which stay on the card) and names.
int16_t album_set_available(const Camera& camera, uintptr_t count) {
  if (count > uintptr_t(album_slots)) return BadArgError;
  CardState state = CardState::load(camera.card);
  for (const PictureFile& picture : list_pictures(camera.card, Store::card))
    if (album_of(state, picture.serial) >= int32_t(count)) set_album_of(state, picture.serial, -1);
  for (int32_t album = int32_t(count); album < album_slots; ++album) state.erase(name_key(album));
  state.setnumber("albums.available", int32_t(count));
  if (state.number("albums.active", -1) >= int32_t(count)) state.setnumber("albums.active", -1);
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t album_set_active(const Camera& camera, int16_t album) {
  CardState state = CardState::load(camera.card);
  if (album != -1 && !album_valid(state, album)) return BadArgError;
  state.setnumber("albums.active", album);
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t album_get_all_name(const Camera& camera, uintptr_t buffer, uintptr_t size) {
  if (buffer == 0) return BadArgError;
  const CardState state = CardState::load(camera.card);
  const int32_t available = albums_available(state);
  if (size < uintptr_t(available) * album_name_size) return BadArgError;
  auto* out = reinterpret_cast<uint8_t*>(buffer);
  for (int32_t album = 0; album < available; ++album)
    std::memcpy(out + size_t(album) * album_name_size, album_name(state, album).data(), album_name_size);
  return NoErr;
}

// Mode 0 empties the album and leaves its pictures on the card; mode 1 deletes them.
int16_t album_erase(const Camera& camera, uintptr_t mode, int16_t album) {
  CardState state = CardState::load(camera.card);
  if (mode > 1 || !album_valid(state, album)) return BadArgError;
  for (const PictureFile& picture : pictures_in(camera, state, album)) {
    std::error_code error;
    if (mode == 1 && !fs::remove(camera.card / picture.name, error)) return SystemError;
    set_album_of(state, picture.serial, -1);
  }
  state.erase(name_key(album));
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t album_change_name(const Camera& camera, uintptr_t name, int16_t album, uintptr_t length) {
  CardState state = CardState::load(camera.card);
  if (name == 0 || length < 1 || length >= album_name_size || !album_valid(state, album)) return BadArgError;
  uint8_t stored[album_name_size] = {};
  std::memcpy(stored, reinterpret_cast<const void*>(name), size_t(length));
  if (std::any_of(stored, stored + length, [](uint8_t c) { return c < 0x20 || c == 0x7f; })) return BadArgError;
  state.setbytes(name_key(album), stored, sizeof stored);
  return state.save(camera.card) ? NoErr : SystemError;
}

int16_t album_get_picture_name(const Camera& camera, uintptr_t buffer, int16_t number, uintptr_t size) {
  if (buffer == 0 || size < picture_name_size) return BadArgError;
  const auto pictures = list_pictures(camera.card, Store::card);
  if (number < 1 || size_t(number) > pictures.size()) return BadArgError;
  std::memcpy(reinterpret_cast<void*>(buffer), pictures[size_t(number) - 1].name.c_str(), picture_name_size);
  return NoErr;
}

// Moves picture `number` of album `from` (-1: of the whole card) into album `to`
// (-1: into no album).
int16_t album_move_image(const Camera& camera, uintptr_t selector, int16_t from, int16_t number, int16_t to) {
  CardState state = CardState::load(camera.card);
  if (selector > 1 || (from != -1 && !album_valid(state, from)) || (to != -1 && !album_valid(state, to)))
    return BadArgError;
  const auto pictures = pictures_in(camera, state, from);
  if (number < 1 || size_t(number) > pictures.size()) return BadArgError;
  set_album_of(state, pictures[size_t(number) - 1].serial, to);
  return state.save(camera.card) ? NoErr : SystemError;
}

}  // namespace tqsdk
