// The in-memory library model and the procedures that move it to and from disk.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace fotivo {

struct libentry {
  bool islib = false;  // true: a library header; false: an album
  std::string name, comment, dir;
};

struct picentry {
  std::string name, comment, imagefile, thumbfile;
};

inline constexpr int libcapacity = 513, piccapacity = 256, rmtcapacity = 257;
inline constexpr const char *libidxname = "/LIBIDX.IDX", *photoidxname = "/PHOTOIDX.IDX",
                            *tempname = "/TEMP", *remoteidxname = "/REMOTE.IDX";

// One failure, told to the user: message is a whole sentence naming the file and the reason.
struct FileProblem {
  std::string path;
  std::string message;
};
using Problems = std::vector<FileProblem>;  // empty: all went well

struct Model {
  std::string homedir;
  std::array<libentry, libcapacity> liblist;
  int liblast = -1;
  int curalbum = 0;
  std::string albumdir;
  std::array<picentry, piccapacity + 1> piclist;  // position 0 never used
  int piccount = 0;
  int actlib = 0, actlibhdr = 0;
  std::string libdir;
  std::array<std::string, rmtcapacity> rmtlist;
  int rmtlast = 0;
};

// Creates the main library (index and TEMP directory) when homedir/LIBIDX.IDX does not exist.
// On failure the list stays empty.
Problems createmain(Model& model);
// Appends the records of a library index to liblist; a missing file adds nothing. A damaged
// file, or one that does not fit, loads what can be read and is kept beside itself as
// <file>.damaged.
Problems loadlib(Model& model, const std::string& file);
// Writes the library whose header is at hdr: that entry and the albums up to the next header.
Problems savelib(const Model& model, const std::string& file, int hdr);
// Reads albumdir/PHOTOIDX.IDX into piclist; a missing file gives an empty album.
Problems picload(Model& model);
// Writes piclist to albumdir/PHOTOIDX.IDX, or removes the file when the album has no pictures.
Problems savepic(Model& model);
// Reads homedir/REMOTE.IDX into rmtlist; without the file, rmtlast is 0 and the list unchanged.
Problems remoteload(Model& model);
// Writes rmtlist 0..rmtlast to homedir/REMOTE.IDX; does nothing while rmtlast is 0.
Problems saveremote(const Model& model);

// Appends one picture record to albumdir/PHOTOIDX.IDX (created when missing), keeping the
// records already there byte for byte. Refused when the album already holds piccapacity.
Problems appendpicture(const std::string& albumdir, const picentry& picture);
// Creates a library in dir, which must not exist yet: the directory, its TEMP album directory
// and its LIBIDX.IDX with the header {name, comment} and the TEMP album. On failure nothing
// of it is left behind.
Problems createlibrary(const std::string& dir, const std::string& name, const std::string& comment);

// Inserts entry at position pos of liblist, moving the later entries down one place.
// Returns false, changing nothing, when the list is full or pos is out of range.
bool insertentry(Model& model, int pos, const libentry& entry);
// Removes the entry at position pos (0..liblast), moving the later entries up one place.
void removeentry(Model& model, int pos);

// Stores a new known-library entry: the first goes to position 0 and leaves position 1 empty,
// later ones follow at rmtlast + 1. Returns false when the list is full.
bool addremote(Model& model, const std::string& entry);
// The last position that belongs to the library whose header is at hdr.
int libraryend(const Model& model, int hdr);

}  // namespace fotivo
