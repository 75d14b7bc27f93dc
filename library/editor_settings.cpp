#include "library/editor_settings.h"

#include "library/atomic_file.h"
#include "library/index_file.h"
#include "library/record_writer.h"

namespace fotivo {

EditorSettingsFile loadeditorsettings(const std::string& homedir) {
  EditorSettingsFile result;
  const std::string path = homedir + piceditininame;
  FileData file = readwholefile(path);
  result.exists = file.exists;
  result.problems = std::move(file.problems);
  if (!file.exists || !result.problems.empty()) return result;

  // Only the first field counts; anything after it is ignored.
  RecordReader in(file.data);
  if (in.atend()) {
    in.adddamage("the file is empty");
  } else {
    in.beginrecord();
    result.editorpath = in.readtext();
  }
  if (!in.damage().empty()) result.problems.push_back(keepdamaged(path, file.data, damagetext(in)));
  return result;
}

Problems saveeditorsettings(const std::string& homedir, const std::string& editorpath) {
  RecordWriter out;
  out.text(editorpath).endrecord();
  return writefileatomic(homedir + piceditininame, out.data());
}

}  // namespace fotivo
