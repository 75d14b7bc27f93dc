// The camera's memory card: a directory of native pictures PIC00001.TQN, PIC00002.TQN, ...
// with the camera's state file, and a MEMORY folder for the camera's internal memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sdk/native_format.h"

namespace tqsdk {

enum class Store { card, memory };

struct PictureFile {
  std::string name;  // PIC00017.TQN
  uint32_t serial;   // 17
};

inline constexpr uint64_t card_capacity = 128ull << 20, memory_capacity = 16ull << 20;
inline uint64_t capacity_of(Store store) { return store == Store::memory ? memory_capacity : card_capacity; }
inline constexpr uint32_t last_serial = 99999;

// $TQSDK_CARD when set, else <data home>/fotivo/card; nothing when no home is known.
std::optional<std::filesystem::path> card_location();

// The card's directory, ready for use. A default card is created on first use with
// a few generated pictures; a card named by $TQSDK_CARD must exist.
std::optional<std::filesystem::path> mount_card();

std::filesystem::path store_dir(const std::filesystem::path& card, Store store);

// The pictures of one store, in the order of their serial numbers.
std::vector<PictureFile> list_pictures(const std::filesystem::path& card, Store store);

// Bytes of the native pictures of one store.
uint64_t used_bytes(const std::filesystem::path& card, Store store);

// One past the highest serial in either store; nothing when the numbers are used up.
std::optional<uint32_t> next_serial(const std::filesystem::path& card);

std::string picture_name(uint32_t serial);

// Writes a native picture as a whole (temporary file, then rename).
bool write_picture(const std::filesystem::path& file, const NativeHeader& header, const uint8_t* rgb);

// Reads a whole file; nothing when it cannot be read or is larger than `limit`.
std::optional<std::vector<uint8_t>> read_file(const std::filesystem::path& file, uint64_t limit);

// Reads a whole file into `out` of `capacity` bytes; the file's size, or nothing.
std::optional<uint64_t> read_file_into(const std::filesystem::path& file, uint8_t* out, uint64_t capacity);

// The generated picture that a sample or a new shot holds.
struct Shot {
  uint32_t width, height;
  uint16_t orientation;
};
bool shoot(const std::filesystem::path& file, uint32_t seed, Shot shot, int32_t cameratype, const Stamp& taken);

Stamp stamp_now();

}  // namespace tqsdk
