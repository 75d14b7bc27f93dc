// Record conversion driven by tables: each row pairs a field of a flat record with its
// counterpart in an SDK record. One piece of code reads every table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace tqbridge {

enum class Kind : std::uint8_t {
  copied,    // same width on both sides
  narrowed,  // 16-bit flat, 32-bit SDK: low half out, sign-extended in
  boolean,   // 16-bit flat, 32-bit SDK word: low half out, 0 or 1 in
  block,     // bytes copied as they stand
  spare,     // flat bytes never read or written
};

struct Field {
  std::uint16_t flat, flatWidth;
  std::uint16_t sdk, sdkWidth;
  Kind kind;
};

using Table = std::span<const Field>;

// SDK record to flat record.
inline void toFlat(Table table, const void* sdk, void* flat) {
  const auto* from = static_cast<const unsigned char*>(sdk);
  auto* to = static_cast<unsigned char*>(flat);
  for (const Field& field : table) {
    if (field.kind == Kind::spare) continue;
    // Copied and block fields have one width; a narrowed or boolean field takes the low half,
    // which on little-endian targets is the SDK field's first bytes.
    std::memcpy(to + field.flat, from + field.sdk, field.flatWidth);
  }
}

// Flat record to SDK record.
inline void toSdk(Table table, const void* flat, void* sdk) {
  const auto* from = static_cast<const unsigned char*>(flat);
  auto* to = static_cast<unsigned char*>(sdk);
  for (const Field& field : table) {
    switch (field.kind) {
      case Kind::spare: break;
      case Kind::copied:
      case Kind::block: std::memcpy(to + field.sdk, from + field.flat, field.flatWidth); break;
      case Kind::narrowed:
      case Kind::boolean: {
        std::int16_t value;
        std::memcpy(&value, from + field.flat, sizeof value);
        const std::int32_t word = field.kind == Kind::boolean ? value != 0 : value;
        std::memcpy(to + field.sdk, &word, sizeof word);
        break;
      }
    }
  }
}

}  // namespace tqbridge
