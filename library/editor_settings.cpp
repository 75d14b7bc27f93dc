#include "library/editor_settings.h"

#include "library/atomic_file.h"
#include "library/index_file.h"
#include "library/record_writer.h"

namespace fotivo {

EditorSettingsFile loadeditorsettings(const std::string& homedir) {
  EditorSettingsFile result;
  RecordLoad load = loadsettings(homedir + piceditininame,
                                 [&](RecordReader& in) { result.editorpath = in.readtext(); });
  result.exists = load.exists;
  result.problems = std::move(load.problems);
  return result;
}

Problems saveeditorsettings(const std::string& homedir, const std::string& editorpath) {
  RecordWriter out;
  out.text(editorpath).endrecord();
  return writefileatomic(homedir + piceditininame, out.data());
}

}  // namespace fotivo
