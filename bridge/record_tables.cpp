#include "bridge/record_tables.h"

#include <stdexcept>

#include "tqbridge.h"

namespace tqbridge {
namespace {

constexpr Kind c = Kind::copied, n = Kind::narrowed, b = Kind::boolean, block = Kind::block, spare = Kind::spare;

// Builds a table of exactly N rows; runs of equal fields are added with run().
template <std::size_t N>
struct Rows {
  std::array<Field, N> rows{};
  std::size_t count = 0;
  constexpr Rows& add(std::uint16_t flat, std::uint16_t flatWidth, std::uint16_t sdk, std::uint16_t sdkWidth,
                      Kind kind) {
    rows[count++] = {flat, flatWidth, sdk, sdkWidth, kind};
    return *this;
  }
  // Like fields side by side: count fields of width bytes from flat and sdk on.
  constexpr Rows& run(std::uint16_t flat, std::uint16_t sdk, int fields, std::uint16_t width) {
    for (int i = 0; i < fields; ++i) add(flat + i * width, width, sdk + i * width, width, c);
    return *this;
  }
  // The finished table, checked at compile time against the two record sizes: every row
  // lies inside its records, widths match the kind, and no two rows share a flat byte.
  constexpr std::array<Field, N> done(std::size_t flatSize, std::size_t sdkSize) const {
    if (count != N) throw std::logic_error("table row count");
    for (std::size_t i = 0; i < N; ++i) {
      const Field& row = rows[i];
      if (row.flat + row.flatWidth > flatSize) throw std::logic_error("row outside the flat record");
      if (row.kind == spare) continue;
      if (row.sdk + row.sdkWidth > sdkSize) throw std::logic_error("row outside the SDK record");
      const bool halves = row.kind == n || row.kind == b;
      if (halves ? row.flatWidth != 2 || row.sdkWidth != 4 : row.flatWidth != row.sdkWidth)
        throw std::logic_error("row widths do not fit its kind");
      for (std::size_t j = 0; j < i; ++j)
        if (row.flat < rows[j].flat + rows[j].flatWidth && rows[j].flat < row.flat + row.flatWidth)
          throw std::logic_error("rows overlap");
    }
    return rows;
  }
};

constexpr auto driverRows = Rows<5>{}.add(0, 4, 0, 4, c).add(4, 4, 4, 4, c).add(8, 2, 8, 4, n)
                                .add(10, 2, 12, 4, n).add(12, 2, 16, 4, n).done(sizeof(TQILDriverRec), sizeof(TQDriverRec));

constexpr auto cameraRows = Rows<6>{}.add(14, 2, 0, 0, spare)
                                .add(16, 4, offsetof(TQCameraRec, port), 4, c)
                                .add(20, 4, offsetof(TQCameraRec, cameratype), 4, c)
                                .add(60, 4, offsetof(TQCameraRec, cameraword), 4, c)
                                .add(64, 4, offsetof(TQCameraRec, cameratype2), 4, c)
                                .add(68, 4, offsetof(TQCameraRec, bitrate), 4, c).done(sizeof(TQILCameraRec), sizeof(TQCameraRec));

// Same layout on both sides; the two bytes at 18 are a gap.
constexpr auto statusRows = Rows<21>{}.run(0, 0, 9, 2).add(18, 2, 0, 0, spare).add(20, 4, 20, 4, c)
                                .add(24, 2, 24, 2, c).run(26, 26, 7, 2).run(40, 40, 2, 4).done(sizeof(TQILStatusRec), sizeof(TQStatusRec));
constexpr auto statusA = Rows<4>{}.add(0, 4, 0, 4, c).add(4, 2, 4, 4, n).add(6, 2, 8, 2, c).add(8, 2, 10, 2, c).done(sizeof(TQILStatusA), sizeof(TQStatusA));
constexpr auto statusB = Rows<22>{}.add(0, 4, 0, 4, c).add(4, 2, 4, 4, n).add(6, 2, 8, 4, n).run(8, 12, 18, 2)
                             .add(44, 12, 48, 12, block).done(sizeof(TQILStatusB), sizeof(TQStatusB));
constexpr auto statusC = Rows<19>{}.add(0, 4, 0, 4, c).add(4, 2, 4, 4, n).add(6, 2, 8, 4, n).add(8, 2, 12, 4, n)
                             .add(10, 2, 16, 4, n).run(12, 20, 13, 2).add(38, 12, 46, 12, block).done(sizeof(TQILStatusC), sizeof(TQStatusC));

// The nine values; the text area's address is set apart.
constexpr auto configRows = Rows<9>{}.run(0, 0, 9, 2).done(sizeof(TQILConfigRec), sizeof(TQConfigRec));
constexpr auto configA = Rows<19>{}.add(0, 2, 0, 2, c).add(2, 2, 4, 4, b).add(4, 4, 8, 4, c).add(8, 4, 12, 4, c)
                             .add(12, 4, 16, 4, c).add(16, 2, 0, 0, spare).add(18, 2, 20, 4, b).add(20, 4, 24, 4, c)
                             .add(24, 4, 28, 4, c).add(28, 4, 32, 4, c).add(32, 2, 36, 4, b).add(34, 2, 40, 4, b)
                             .add(36, 2, 44, 4, b).add(38, 2, 48, 4, b).add(40, 4, 52, 4, c).add(44, 2, 56, 4, b)
                             .add(46, 2, 0, 0, spare).add(48, 4, 60, 4, c).add(52, 2, 64, 2, c).done(sizeof(TQILConfigA), sizeof(TQConfigA));
constexpr auto configB = Rows<14>{}.add(0, 2, 0, 2, c).add(2, 2, 0, 0, spare).add(4, 4, 4, 4, c).add(8, 4, 8, 4, c)
                             .add(12, 4, 12, 4, c).add(16, 4, 16, 4, c).add(20, 2, 20, 4, b).add(22, 2, 0, 0, spare)
                             .add(24, 4, 24, 4, c).add(28, 2, 28, 2, c).add(30, 2, 30, 2, c).add(32, 4, 32, 4, c)
                             .add(36, 2, 36, 2, c).add(38, 2, 40, 4, b).done(sizeof(TQILConfigB), sizeof(TQConfigB));
constexpr auto configC = Rows<16>{}.add(0, 2, 0, 2, c).add(2, 2, 2, 2, c).add(4, 4, 4, 4, c).add(8, 4, 8, 4, c)
                             .add(12, 4, 12, 4, c).add(16, 4, 16, 4, c).add(20, 2, 20, 4, b).add(22, 2, 0, 0, spare)
                             .add(24, 4, 24, 4, c).add(28, 2, 28, 2, c).add(30, 2, 30, 2, c).add(32, 4, 32, 4, c)
                             .add(36, 4, 36, 4, c).add(40, 2, 40, 4, b).add(42, 2, 44, 4, b).add(44, 4, 48, 4, c)
                             .done(sizeof(TQILConfigC), sizeof(TQConfigC));

// The SDK word at 20 has no flat counterpart.
constexpr auto imageProcRows = Rows<28>{}.add(0, 8, 0, 0, spare).add(8, 4, 8, 4, c).add(12, 4, 4, 4, c)
                                   .add(16, 2, 0, 4, b).add(18, 2, 12, 4, b).add(20, 4, 16, 4, c)
                                   .run(24, 24, 22, 4).done(sizeof(TQILImageProcRec), sizeof(TQImageProcRec));
constexpr auto outputWindowRows = Rows<6>{}.run(0, 0, 4, 2).run(8, 8, 2, 4).done(sizeof(TQILOutputWindowRec), sizeof(TQOutputWindowRec));
constexpr auto previewInfoRows = Rows<6>{}.run(0, 0, 2, 2).run(4, 4, 4, 4).done(sizeof(TQILPreviewInfoRec), sizeof(TQPreviewInfoRec));

// The thumbnail address has no flat counterpart; the flat spare bytes pair with the SDK gap.
constexpr auto pictInfoRows = Rows<18>{}.run(0, 0, 3, 2).add(6, 2, 0, 0, spare)
                                  .run(8, offsetof(TQPictInfoRec, word1), 5, 4)
                                  .run(28, offsetof(TQPictInfoRec, seconds), 9, 2).done(sizeof(TQILPictInfoRec), sizeof(TQPictInfoRec));
constexpr auto pictInfoA = Rows<4>{}.add(0, 4, 0, 4, c).add(4, 2, 4, 4, n).add(6, 2, 8, 2, c).add(8, 4, 12, 4, c).done(sizeof(TQILPictInfoA), sizeof(TQPictInfoA));
constexpr auto pictInfoB = Rows<21>{}.add(0, 4, 0, 4, c).add(4, 2, 4, 4, n).add(6, 2, 0, 0, spare).run(8, 8, 3, 4)
                               .add(20, 2, 20, 4, n).add(22, 2, 0, 0, spare).add(24, 4, 24, 4, c).add(28, 2, 28, 2, c)
                               .add(30, 2, 0, 0, spare).add(32, 4, 32, 4, c).add(36, 4, 36, 4, c).add(40, 2, 40, 2, c)
                               .add(42, 2, 0, 0, spare).run(44, 44, 2, 4).run(52, 52, 3, 2).add(58, 9, 58, 9, block)
                               .done(sizeof(TQILPictInfoB), sizeof(TQPictInfoB));
constexpr auto pictInfoC = Rows<42>{}.add(0, 4, 0, 4, c).add(4, 2, 4, 4, n).add(6, 2, 0, 0, spare).run(8, 8, 3, 4)
                               .add(20, 2, 20, 4, n).add(22, 2, 0, 0, spare).add(24, 4, 24, 4, c).add(28, 2, 28, 2, c)
                               .add(30, 2, 0, 0, spare).add(32, 4, 32, 4, c).add(36, 4, 36, 4, c).run(40, 40, 2, 4)
                               .add(48, 2, 48, 2, c).add(50, 6, 0, 0, spare).run(56, 56, 24, 4)
                               .add(152, 9, 152, 9, block).done(sizeof(TQILPictInfoC), sizeof(TQPictInfoC));

}  // namespace

const Table driverTable = driverRows, cameraTable = cameraRows, statusTable = statusRows, configTable = configRows,
            imageProcTable = imageProcRows, outputWindowTable = outputWindowRows, previewInfoTable = previewInfoRows,
            pictInfoTable = pictInfoRows;

const Family statusFamily = {{{statusA, sizeof(TQStatusA)}, {statusB, sizeof(TQStatusB)}, {statusC, sizeof(TQStatusC)}}};
const Family configFamily = {{{configA, sizeof(TQConfigA)}, {configB, sizeof(TQConfigB)}, {configC, sizeof(TQConfigC)}}};
const Family pictInfoFamily = {
    {{pictInfoA, sizeof(TQPictInfoA)}, {pictInfoB, sizeof(TQPictInfoB)}, {pictInfoC, sizeof(TQPictInfoC)}}};

}  // namespace tqbridge
