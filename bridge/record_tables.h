// The conversion tables of every record pair that crosses the bridge, and the choice of the
// type-specific record by camera type.
#pragma once

#include <array>
#include <cstddef>

#include "bridge/conversion.h"
#include "tqsdk32.h"

namespace tqbridge {

// A record pair of one camera type: its table and the size of the SDK record.
struct RecordPair {
  Table table;
  std::size_t sdkSize;
};

// The type-specific pairs of one family, for types 100 (A), 101 (B) and 104 (C).
using Family = std::array<RecordPair, 3>;

// 0, 1 or 2 for types 100, 101 and 104; -1 for any other type, which exchanges no
// type-specific record.
constexpr int typeIndex(int32_t type) { return type == 100 ? 0 : type == 101 ? 1 : type == 104 ? 2 : -1; }

extern const Table driverTable, cameraTable, statusTable, configTable, imageProcTable, outputWindowTable,
    previewInfoTable, pictInfoTable;
extern const Family statusFamily, configFamily, pictInfoFamily;

// Largest type-specific SDK record, for the stack space every export reserves.
inline constexpr std::size_t largestSpecific = sizeof(TQPictInfoC);

}  // namespace tqbridge
