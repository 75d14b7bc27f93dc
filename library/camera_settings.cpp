#include "library/camera_settings.h"

#include <limits>

#include "library/atomic_file.h"
#include "library/index_file.h"
#include "library/record_writer.h"

namespace fotivo {

CameraSettingsFile loadcamerasettings(const std::string& homedir) {
  CameraSettingsFile result;
  const std::string path = homedir + cameraininame;
  FileData file = readwholefile(path);
  result.exists = file.exists;
  result.problems = std::move(file.problems);
  if (!file.exists || !result.problems.empty()) return result;

  RecordReader in(file.data);
  if (in.atend()) {
    in.adddamage("the file is empty");
  } else {
    in.beginrecord();
    CameraSettings& s = result.settings;
    for (std::int32_t* field : {&s.port, &s.cameratype, &s.cameratype2, &s.bitrate,
                                &s.imgformat, &s.jpegquality}) {
      const int line = in.line();
      std::int64_t value = in.readinteger();
      if (value < std::numeric_limits<std::int32_t>::min() ||
          value > std::numeric_limits<std::int32_t>::max()) {
        in.adddamage("line " + std::to_string(line) + ": a number is out of range");
        value = 0;
      }
      *field = static_cast<std::int32_t>(value);
    }
  }
  if (!in.damage().empty()) result.problems.push_back(keepdamaged(path, file.data, damagetext(in)));
  return result;
}

Problems savecamerasettings(const std::string& homedir, const CameraSettings& s) {
  RecordWriter out;
  out.integer(s.port).integer(s.cameratype).integer(s.cameratype2).integer(s.bitrate);
  out.integer(s.imgformat).integer(s.jpegquality).endrecord();
  return writefileatomic(homedir + cameraininame, out.data());
}

}  // namespace fotivo
