#include "platform/twain/twain.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "library/atomic_file.h"
#include "library/index_file.h"
#include "library/record_writer.h"
#include "platform/twain/bitmap_file.h"
#include "platform/twain/sane_library.h"

#include <sane/saneopts.h>

namespace fotivo {
namespace {

// Where the chosen source is remembered between runs: one record with the device name.
std::string sourceFile() {
  std::filesystem::path dir;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
    dir = config;
  else if (const char* home = std::getenv("HOME"); home && *home)
    dir = std::filesystem::path(home) / ".config";
  else
    return {};
  return (dir / "fotivo" / "SCANNER.INI").string();
}

std::string& rememberedSource() {
  static std::string source = [] {
    std::string name;
    const std::string file = sourceFile();
    if (!file.empty()) loadsettings(file, [&](RecordReader& reader) { name = reader.readtext(); });
    return name;
  }();
  return source;
}

Problems rememberSource(const std::string& name) {
  rememberedSource() = name;
  const std::string file = sourceFile();
  if (file.empty()) return {};
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
  return writefileatomic(file, RecordWriter().text(name).endrecord().data());
}

// Asks the device for colour where it offers a choice of mode; a device without one scans
// as it does.
void chooseColour(const SaneLibrary& sane, SANE_Handle device) {
  for (SANE_Int option = 1;; ++option) {
    const SANE_Option_Descriptor* descriptor = sane.get_option_descriptor(device, option);
    if (!descriptor) return;
    if (!descriptor->name || std::strcmp(descriptor->name, SANE_NAME_SCAN_MODE) != 0) continue;
    if (descriptor->type != SANE_TYPE_STRING || !SANE_OPTION_IS_SETTABLE(descriptor->cap)) return;
    std::string value(std::max<SANE_Int>(descriptor->size, 6), '\0');
    std::memcpy(value.data(), SANE_VALUE_SCAN_MODE_COLOR, 6);
    sane.control_option(device, option, SANE_ACTION_SET_VALUE, value.data(), nullptr);
    return;
  }
}

// One sample of a line as an 8-bit value.
std::uint8_t sample(const std::uint8_t* line, int index, int depth) {
  switch (depth) {
    case 1: return (line[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;  // a set bit is black
    case 16: {
      std::uint16_t value;
      std::memcpy(&value, line + index * 2, 2);
      return std::uint8_t(value >> 8);
    }
    default: return line[index];
  }
}

// Reads one frame's data whole; lines may be unknown (-1) before the end.
bool readFrame(const SaneLibrary& sane, SANE_Handle device, std::vector<std::uint8_t>& data) {
  std::uint8_t buffer[65536];
  for (;;) {
    SANE_Int length = 0;
    const SANE_Status status = sane.read(device, buffer, sizeof buffer, &length);
    if (status == SANE_STATUS_EOF) return true;
    if (status != SANE_STATUS_GOOD) return false;
    data.insert(data.end(), buffer, buffer + length);
  }
}

// Scans one image into rgb (top row first); false on any failure or cancel.
bool scan(const SaneLibrary& sane, SANE_Handle device, int& width, int& height, std::vector<std::uint8_t>& rgb) {
  bool last = false;
  while (!last) {
    if (sane.start(device) != SANE_STATUS_GOOD) return false;
    SANE_Parameters parameters;
    if (sane.get_parameters(device, &parameters) != SANE_STATUS_GOOD) return false;
    std::vector<std::uint8_t> data;
    if (!readFrame(sane, device, data)) return false;
    const int depth = parameters.depth;
    if (parameters.pixels_per_line <= 0 || (depth != 1 && depth != 8 && depth != 16)) return false;
    // A line must hold every sample the conversion below reads.
    const int channels = parameters.format == SANE_FRAME_RGB ? 3 : 1;
    const long long needed = (static_cast<long long>(parameters.pixels_per_line) * channels * depth + 7) / 8;
    if (parameters.bytes_per_line < needed) return false;
    const int lines = int(data.size() / std::size_t(parameters.bytes_per_line));
    if (lines <= 0) return false;
    if (rgb.empty()) {
      width = parameters.pixels_per_line;
      height = lines;
      rgb.assign(std::size_t(width) * height * 3, 0);
    } else if (width != parameters.pixels_per_line) {
      return false;
    }
    const int rows = std::min(lines, height);
    for (int y = 0; y < rows; ++y) {
      const std::uint8_t* line = data.data() + std::size_t(y) * parameters.bytes_per_line;
      std::uint8_t* out = rgb.data() + std::size_t(y) * width * 3;
      for (int x = 0; x < width; ++x) {
        switch (parameters.format) {
          case SANE_FRAME_RGB:
            for (int c = 0; c < 3; ++c) out[x * 3 + c] = sample(line, x * 3 + c, depth);
            break;
          case SANE_FRAME_GRAY: out[x * 3] = out[x * 3 + 1] = out[x * 3 + 2] = sample(line, x, depth); break;
          case SANE_FRAME_RED: out[x * 3] = sample(line, x, depth); break;
          case SANE_FRAME_GREEN: out[x * 3 + 1] = sample(line, x, depth); break;
          case SANE_FRAME_BLUE: out[x * 3 + 2] = sample(line, x, depth); break;
          default: return false;
        }
      }
    }
    last = parameters.last_frame;
  }
  return true;
}

}  // namespace

std::vector<ScanSource> scanSources() {
  std::vector<ScanSource> sources;
  const SaneLibrary* sane = saneLibrary();
  const SANE_Device** devices = nullptr;
  if (!sane || sane->get_devices(&devices, SANE_FALSE) != SANE_STATUS_GOOD || !devices) return sources;
  for (; *devices; ++devices) {
    const SANE_Device& device = **devices;
    std::string label;
    for (const char* part : {device.vendor, device.model, device.type})
      if (part && *part) label += (label.empty() ? "" : " ") + std::string(part);
    sources.push_back({device.name, label + " (" + device.name + ")"});
  }
  return sources;
}

std::string chosenSource() { return rememberedSource(); }

}  // namespace fotivo

int TWAIN_IsAvailable() { return fotivo::saneLibrary() ? 1 : 0; }

int TWAIN_SelectImageSource(const fotivo::SourceChooser& chooser, fotivo::Problems* problems) {
  const std::vector<fotivo::ScanSource> sources = fotivo::scanSources();
  int current = -1;
  for (std::size_t i = 0; i < sources.size(); ++i)
    if (sources[i].name == fotivo::chosenSource()) current = int(i);
  const int choice = chooser(sources, current);
  if (choice < 0 || choice >= int(sources.size())) return 1;
  fotivo::Problems kept = fotivo::rememberSource(sources[std::size_t(choice)].name);
  if (problems) *problems = std::move(kept);
  return 0;
}

int TWAIN_AcquireToFilename(const std::string& path) {
  const fotivo::SaneLibrary* sane = fotivo::saneLibrary();
  if (!sane) return 1;
  std::string name = fotivo::chosenSource();
  const std::vector<fotivo::ScanSource> sources = fotivo::scanSources();
  if (sources.empty()) return 1;
  bool present = false;
  for (const auto& source : sources) present = present || source.name == name;
  if (!present) name = sources.front().name;

  SANE_Handle device = nullptr;
  if (sane->open(name.c_str(), &device) != SANE_STATUS_GOOD) return 1;
  fotivo::chooseColour(*sane, device);
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  const bool scanned = fotivo::scan(*sane, device, width, height, rgb);
  sane->cancel(device);
  sane->close(device);
  if (!scanned) return 1;
  return fotivo::writeBitmap24(path, width, height, rgb) ? 0 : 1;
}
