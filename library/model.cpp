#include "library/model.h"

#include <filesystem>
#include <system_error>

#include "library/atomic_file.h"
#include "library/index_file.h"
#include "library/record_writer.h"

namespace fotivo {

namespace fs = std::filesystem;

namespace {

void writelibentry(RecordWriter& out, const libentry& entry) {
  out.boolean(entry.islib).text(entry.name).text(entry.comment).text(entry.dir).endrecord();
}

libentry readlibentry(RecordReader& in) {
  libentry entry;
  entry.islib = in.readboolean();
  entry.name = in.readtext();
  entry.comment = in.readtext();
  entry.dir = in.readtext();
  return entry;
}

// A new library: its header and its TEMP album.
std::array<libentry, 2> newlibrary(const std::string& name, const std::string& comment,
                                   const std::string& dir) {
  return {libentry{true, name, comment, dir}, libentry{false, "TEMP", " Work in process", dir + tempname}};
}

void writepicentry(RecordWriter& out, const picentry& picture) {
  out.text(picture.name).text(picture.comment).text(picture.imagefile).text(picture.thumbfile);
  out.endrecord();
}

Problems makedirectory(const std::string& dir) {
  std::error_code error;
  if (fs::is_directory(dir, error)) return {};
  if (fs::exists(dir, error))
    return {{dir, "The directory " + dir + " could not be created: a file of that name is in the way."}};
  fs::create_directory(dir, error);
  if (error) return {{dir, "The directory " + dir + " could not be created: " + error.message() + "."}};
  return {};
}

}  // namespace

Problems createmain(Model& model) {
  const std::string index = model.homedir + libidxname;
  std::error_code error;
  if (fs::exists(index, error)) return {};

  const libentry saved0 = model.liblist[0], saved1 = model.liblist[1];
  const int savedlast = model.liblast;
  const auto entries = newlibrary("Main", " Main library", model.homedir);
  model.liblist[0] = entries[0];
  model.liblist[1] = entries[1];
  Problems problems = makedirectory(model.homedir + tempname);
  if (problems.empty()) {
    model.liblast = 1;
    problems = savelib(model, index, 0);
  }
  if (!problems.empty()) {
    // Without its index the library does not exist: keep the list as it was.
    model.liblist[0] = saved0;
    model.liblist[1] = saved1;
    model.liblast = savedlast;
  }
  return problems;
}

Problems loadlib(Model& model, const std::string& file) {
  const int first = model.liblast + 1;
  RecordLoad load = loadrecords(
      file, libcapacity - first,
      "holds more entries than fit in the album tree (" + std::to_string(libcapacity) +
          " libraries and albums in all)",
      [&](RecordReader& in, int n) { model.liblist[first + n] = readlibentry(in); });
  model.liblast = first + load.count - 1;
  if (model.liblast + 1 < libcapacity) model.liblist[model.liblast + 1] = {};
  return load.problems;
}

int libraryend(const Model& model, int hdr) {
  int last = hdr;
  while (last + 1 <= model.liblast && !model.liblist[last + 1].islib) ++last;
  return last;
}

Problems savelib(const Model& model, const std::string& file, int hdr) {
  if (hdr < 0 || hdr > model.liblast)
    return {{file, "The file " + file + " was not written: no library is at position " +
                       std::to_string(hdr) + " of the list."}};
  RecordWriter out;
  for (int p = hdr; p <= libraryend(model, hdr); ++p) writelibentry(out, model.liblist[p]);
  return writefileatomic(file, out.data());
}

Problems picload(Model& model) {
  model.piccount = 0;
  if (model.albumdir.empty()) return {};
  RecordLoad load = loadrecords(
      model.albumdir + photoidxname, piccapacity,
      "holds more pictures than an album can keep (" + std::to_string(piccapacity) + ")",
      [&](RecordReader& in, int n) {
        picentry& picture = model.piclist[n + 1];
        picture.name = in.readtext();
        picture.comment = in.readtext();
        picture.imagefile = in.readtext();
        picture.thumbfile = in.readtext();
      });
  model.piccount = load.count;
  if (model.piccount < piccapacity) model.piclist[model.piccount + 1] = {};
  return load.problems;
}

Problems savepic(Model& model) {
  if (model.albumdir.empty())
    return {{"", "The pictures could not be saved: no album is open."}};
  const std::string file = model.albumdir + photoidxname;
  if (model.piccount <= 0) return removefile(file);
  RecordWriter out;
  for (int i = 1; i <= model.piccount && i <= piccapacity; ++i) writepicentry(out, model.piclist[i]);
  return writefileatomic(file, out.data());
}

Problems appendpicture(const std::string& albumdir, const picentry& picture) {
  const std::string file = albumdir + photoidxname;
  FileData existing = readwholefile(file);
  if (!existing.problems.empty()) return existing.problems;
  RecordReader in(existing.data);
  int count = 0;
  while (!in.atend()) {
    in.beginrecord();
    for (int field = 0; field < 4; ++field) in.readtext();
    if (!in.incomplete()) ++count;
  }
  if (count >= piccapacity)
    return {{file, "The picture was not added to " + file + ": an album holds at most " +
                       std::to_string(piccapacity) + " pictures."}};
  std::string data = std::move(existing.data);
  if (!data.empty() && data.back() != '\n' && data.back() != '\r') data += "\r\n";
  RecordWriter out;
  writepicentry(out, picture);
  return writefileatomic(file, data + out.data());
}

Problems createlibrary(const std::string& dir, const std::string& name, const std::string& comment) {
  std::error_code error;
  if (fs::exists(dir, error))
    return {{dir, "The library " + dir + " was not created: a file or directory of that name exists."}};
  Problems problems = makedirectory(dir);
  if (!problems.empty()) return problems;
  problems = makedirectory(dir + tempname);
  if (problems.empty()) {
    RecordWriter out;
    for (const libentry& entry : newlibrary(name, comment, dir)) writelibentry(out, entry);
    problems = writefileatomic(dir + libidxname, out.data());
  }
  if (!problems.empty()) fs::remove_all(dir, error);  // only what was created here
  return problems;
}

bool insertentry(Model& model, int pos, const libentry& entry) {
  if (model.liblast + 1 >= libcapacity || pos < 0 || pos > model.liblast + 1) return false;
  for (int p = model.liblast; p >= pos; --p) model.liblist[p + 1] = std::move(model.liblist[p]);
  model.liblist[pos] = entry;
  ++model.liblast;
  return true;
}

void removeentry(Model& model, int pos) {
  if (pos < 0 || pos > model.liblast) return;
  for (int p = pos; p < model.liblast; ++p) model.liblist[p] = std::move(model.liblist[p + 1]);
  model.liblist[model.liblast--] = {};
}

Problems remoteload(Model& model) {
  model.rmtlast = 0;
  RecordLoad load = loadrecords(
      model.homedir + remoteidxname, rmtcapacity,
      "holds more libraries than the list of known libraries can keep (" +
          std::to_string(rmtcapacity) + ")",
      [&](RecordReader& in, int n) { model.rmtlist[n] = in.readtext(); });
  if (!load.exists || load.count == 0) {
    // An empty file gives -1; an unreadable one stays at 0 so that nothing overwrites it.
    if (load.exists && load.problems.empty()) model.rmtlast = -1;
    return load.problems;
  }
  model.rmtlast = load.count - 1;
  if (load.count == 1 && !model.rmtlist[0].empty()) {
    // A lone entry would be taken for an empty list and replaced by the next library:
    // give it the empty second entry that every written list has.
    model.rmtlist[1].clear();
    model.rmtlast = 1;
  }
  return load.problems;
}

Problems saveremote(const Model& model) {
  if (model.rmtlast == 0) return {};
  RecordWriter out;
  for (int i = 0; i <= model.rmtlast && i < rmtcapacity; ++i) out.text(model.rmtlist[i]).endrecord();
  return writefileatomic(model.homedir + remoteidxname, out.data());
}

bool addremote(Model& model, const std::string& entry) {
  if (model.rmtlast + 1 >= rmtcapacity) return false;
  if (model.rmtlast != 0) ++model.rmtlast;
  model.rmtlist[model.rmtlast] = entry;
  if (model.rmtlast == 0) {
    model.rmtlast = 1;
    model.rmtlist[1].clear();
  }
  return true;
}

}  // namespace fotivo
