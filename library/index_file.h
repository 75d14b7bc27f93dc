// Loading of the record files shared by the index and settings readers: a missing file is no
// failure, a damaged one loads what can be read and is kept beside itself for the user.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model.h"
#include "record_reader.h"

namespace fotivo {

struct FileData {
  bool exists = false;
  std::string data;
  Problems problems;  // the file is there but could not be read
};

FileData readwholefile(const std::string& path);

// Tells the user that path was not loaded whole (what: "is damaged (line 3: ...)") and keeps
// a copy of the original data beside it as <path>.damaged, before anything rewrites it.
FileProblem keepdamaged(const std::string& path, std::string_view data, const std::string& what);
// "is damaged (line 3: ...; line 7: ...)" from a reader's list of damage.
std::string damagetext(const RecordReader& reader);

struct RecordLoad {
  bool exists = false;
  int count = 0;  // records taken
  Problems problems;
};

// Reads records until the end of the file, calling readrecord(reader, n) for record n while
// fewer than room were taken. A record the file ends inside is not counted. When records
// remain after room is used up, overflow (e.g. "holds more pictures than an album can keep
// (256)") is reported.
RecordLoad loadrecords(const std::string& path, int room, const std::string& overflow,
                       const std::function<void(RecordReader&, int)>& readrecord);

// Reads the first record of a settings file through readfields; what follows it is ignored.
// An empty or damaged file is reported and kept as <path>.damaged.
RecordLoad loadsettings(const std::string& path,
                        const std::function<void(RecordReader&)>& readfields);

}  // namespace fotivo
