#include "library/camera_settings.h"

#include <limits>

#include "library/atomic_file.h"
#include "library/index_file.h"
#include "library/record_writer.h"

namespace fotivo {

CameraSettingsFile loadcamerasettings(const std::string& homedir) {
  CameraSettingsFile result;
  CameraSettings& s = result.settings;
  RecordLoad load = loadsettings(homedir + cameraininame, [&](RecordReader& in) {
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
  });
  result.exists = load.exists;
  result.problems = std::move(load.problems);
  return result;
}

Problems savecamerasettings(const std::string& homedir, const CameraSettings& s) {
  RecordWriter out;
  out.integer(s.port).integer(s.cameratype).integer(s.cameratype2).integer(s.bitrate);
  out.integer(s.imgformat).integer(s.jpegquality).endrecord();
  return writefileatomic(homedir + cameraininame, out.data());
}

}  // namespace fotivo
