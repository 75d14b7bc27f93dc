#include "library/index_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "library/atomic_file.h"

namespace fotivo {

FileData readwholefile(const std::string& path) {
  FileData file;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return file;
    file.exists = true;
    file.problems.push_back({path, "The file " + path + " could not be read: " + std::strerror(errno) + "."});
    return file;
  }
  file.exists = true;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      file.problems.push_back({path, "The file " + path + " could not be read: " + std::strerror(errno) + "."});
      file.data.clear();
      break;
    }
    file.data.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return file;
}

namespace {

// A copy left by an earlier load of the same data is reused; a different one is kept too.
std::string damagedcopyname(const std::string& path, std::string_view data) {
  for (int n = 1; n < 100; ++n) {
    std::string name = path + ".damaged" + (n == 1 ? "" : "." + std::to_string(n));
    FileData existing = readwholefile(name);
    if (!existing.exists || (existing.problems.empty() && existing.data == data)) return name;
  }
  return path + ".damaged";
}

}  // namespace

FileProblem keepdamaged(const std::string& path, std::string_view data, const std::string& what) {
  std::string copy = damagedcopyname(path, data);
  std::string message = "The file " + path + " " + what + ". What could be read was loaded";
  Problems failed = writefileatomic(copy, data);
  if (failed.empty())
    message += ", and the original file was kept as " + copy + ".";
  else
    message += ", but a copy of the original could not be kept: " + failed.front().message;
  return {path, message};
}

std::string damagetext(const RecordReader& reader) {
  std::string text = "is damaged (";
  const auto& damage = reader.damage();
  for (std::size_t i = 0; i < damage.size() && i < 3; ++i) text += (i ? "; " : "") + damage[i];
  if (damage.size() > 3) text += "; ...";
  return text + ")";
}

namespace {

// Reads path and lets parse take its records; parse sets the count and returns what to tell
// when the file was not taken whole for a reason other than damage ("" when it was).
RecordLoad parsefile(const std::string& path,
                     const std::function<std::string(RecordReader&, RecordLoad&)>& parse) {
  RecordLoad load;
  FileData file = readwholefile(path);
  load.exists = file.exists;
  load.problems = std::move(file.problems);
  if (!file.exists || !load.problems.empty()) return load;

  RecordReader reader(file.data);
  const std::string unloaded = parse(reader, load);
  if (!reader.damage().empty())
    load.problems.push_back(keepdamaged(path, file.data, damagetext(reader)));
  else if (!unloaded.empty())
    load.problems.push_back(keepdamaged(path, file.data, unloaded));
  return load;
}

}  // namespace

RecordLoad loadrecords(const std::string& path, int room, const std::string& overflow,
                       const std::function<void(RecordReader&, int)>& readrecord) {
  return parsefile(path, [&](RecordReader& reader, RecordLoad& load) {
    while (load.count < room && !reader.atend()) {
      reader.beginrecord();
      readrecord(reader, load.count);
      if (!reader.incomplete()) ++load.count;
    }
    return reader.atend() ? std::string() : overflow;
  });
}

RecordLoad loadsettings(const std::string& path,
                        const std::function<void(RecordReader&)>& readfields) {
  return parsefile(path, [&](RecordReader& reader, RecordLoad& load) {
    if (reader.atend()) {
      reader.adddamage("the file is empty");
    } else {
      reader.beginrecord();
      readfields(reader);
      load.count = reader.incomplete() ? 0 : 1;
    }
    return std::string();
  });
}

}  // namespace fotivo
