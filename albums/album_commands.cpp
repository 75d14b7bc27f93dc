#include "albums/album_commands.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QString>
#include <filesystem>
#include <set>
#include <system_error>

#include "albums/addcatfm.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/names.h"
#include "library/paths.h"

namespace fotivo {
namespace {

namespace fs = std::filesystem;
using Buttons = ModalSeam::Buttons;
using Icon = ModalSeam::Icon;

QString text(const std::string& s) { return QString::fromStdString(s); }

std::string rtrimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// The album frame shows no album and the picture list is empty.
void showNoAlbum(Main& main) {
  main.Label1()->setText(" ");
  main.Frame2()->setTitle("");
  main.pics()->clear();
  if (main.state().thumbson) main.clearthumb();
}

// The open album, when it belongs to the active library; otherwise the user is told and -1
// comes back.
int openAlbumOfActiveLibrary(Main& main, const QString& title) {
  const Model& model = main.state().model;
  const int album = model.curalbum;
  if (album < 0 || album > model.liblast || model.liblist[album].islib) {
    main.seam().message("Please open an album first.", title);
    return -1;
  }
  if (libraryheader(model, album) != libraryheader(model, model.actlib)) {
    main.seam().message("The open album \"" + text(model.liblist[album].name) +
                            "\" belongs to another library than the active one. Please open it again.",
                        title);
    return -1;
  }
  return album;
}

// Files of the album directory that its picture index lists, with the index itself.
std::set<fs::path> listedFiles(const std::string& dir) {
  Model album;
  album.albumdir = dir;
  std::set<fs::path> listed{fs::path(dir + photoidxname)};
  if (!fs::exists(dir + photoidxname)) return listed;
  picload(album);
  for (int p = 1; p <= album.piccount; ++p) {
    const picentry& picture = album.piclist[p];
    for (const std::string& file : {picture.imagefile, picture.thumbfile, companionpath(picture.imagefile)})
      listed.insert(fs::path(file).lexically_normal());
  }
  return listed;
}

// Keeps the positions that the program holds on the same entries after entries from pos on
// moved by one place (by +1 after an insertion, -1 after a removal at pos).
void shiftPositions(Model& model, int pos, int by) {
  for (int* held : {&model.curalbum, &model.actlib, &model.actlibhdr})
    if (*held >= pos) *held += by;
}

}  // namespace

int libraryheader(const Model& model, int pos) {
  while (pos > 0 && !model.liblist[pos].islib) --pos;
  return pos;
}

void Addcat(Main& main) {
  ProgramState& state = main.state();
  Model& model = state.model;
  if (model.liblast + 1 >= libcapacity) {
    main.seam().message(QString("The album list is full (%1 libraries and albums). No album can be added.")
                            .arg(libcapacity),
                        "Add Album", Buttons::Ok, Icon::Exclamation);
    return;
  }
  const int hdr = libraryheader(model, model.actlib);
  Addcatfm& dialog = addcatfm(main);
  state.dlgok = false;
  state.dlgmode = 1;
  dialog.setWindowTitle("Add Album to the " + text(model.liblist[hdr].name) + " Library");
  main.seam().showModal(dialog);
  if (!state.dlgok) return;

  dialog.addname()->setText(dialog.addname()->text().toUpper());
  const std::string name = dialog.name();
  for (int p = hdr + 1; p <= model.liblast && !model.liblist[p].islib; ++p) {
    if (rtrimmed(model.liblist[p].name) == rtrimmed(name)) {
      main.seam().message("Each Album must have a unque name !", "Definition error", Buttons::Ok,
                          Icon::Exclamation);
      state.dlgok = false;
    }
  }
  if (!state.dlgok) return;
  if (const NameProblem problem = checkname(name); problem != NameProblem::none) {
    main.seam().message(text(nameproblemtext(problem)) + " No album was added.", "Definition error",
                        Buttons::Ok, Icon::Exclamation);
    return;
  }

  model.libdir = model.liblist[hdr].dir;
  const std::string dir = model.libdir + "/" + name;
  std::error_code error;
  if (fs::exists(dir, error) || !fs::create_directory(dir, error)) {
    main.seam().message(text("The album directory " + dir + " could not be created: " +
                             (error ? error.message() : std::string("a file or directory of that name exists")) +
                             ". No album was added."),
                        "Add Album", Buttons::Ok, Icon::Exclamation);
    return;
  }
  insertentry(model, hdr + 1, {false, name, dialog.comment(), dir});
  shiftPositions(model, hdr + 1, 1);
  if (!main.savelib(model.libdir + libidxname, hdr)) {
    removeentry(model, hdr + 1);
    shiftPositions(model, hdr + 1, -1);
    fs::remove(dir, error);
  }
  main.catrefresh();
  showNoAlbum(main);
}

void EditCat(Main& main) {
  ProgramState& state = main.state();
  Model& model = state.model;
  const int album = openAlbumOfActiveLibrary(main, "Edit Album");
  if (album < 0) return;
  Addcatfm& dialog = addcatfm(main);
  state.dlgok = false;
  state.dlgmode = 2;
  dialog.addname()->setText(text(model.liblist[album].name));
  dialog.addcomt()->setPlainText(text(model.liblist[album].comment));
  main.seam().showModal(dialog);
  if (!state.dlgok) return;

  const libentry before = model.liblist[album];
  model.liblist[album].name = dialog.name();
  model.liblist[album].comment = dialog.comment();
  const int hdr = libraryheader(model, album);
  if (!main.savelib(model.liblist[hdr].dir + libidxname, hdr)) {
    model.liblist[album] = before;
    return;
  }
  main.Label1()->setText(text(model.liblist[album].comment));
}

void delcat(Main& main) {
  Model& model = main.state().model;
  const libentry& target = model.liblist[model.curalbum];
  if (target.name == "TEMP") {
    main.seam().message("The 'TEMP' Album is required for importing and can not be deleted.", "Delete Album");
    return;
  }
  if (target.islib) return;
  const int album = openAlbumOfActiveLibrary(main, "Delete Album");
  if (album < 0) return;
  if (main.seam().message("Do you really want to delete " + text(target.name) + "?", "Delete Album",
                          Buttons::OkCancel) != ModalSeam::Answer::Ok)
    return;
  showNoAlbum(main);

  // Only the files that the album lists are deleted; anything else found in its directory
  // is the user's and stays, with the directory.
  const std::string dir = target.dir;
  const std::set<fs::path> listed = listedFiles(dir);
  QStringList kept;
  std::error_code error;
  for (const auto& file : fs::directory_iterator(dir, error)) {
    if (listed.count(file.path().lexically_normal()) && !file.is_directory())
      fs::remove(file.path(), error);
    else
      kept << QString::fromStdString(file.path().filename().string());
  }
  if (kept.isEmpty()) fs::remove(dir, error);

  const int hdr = libraryheader(model, album);
  removeentry(model, album);
  shiftPositions(model, album + 1, -1);
  model.curalbum = hdr;
  model.albumdir.clear();
  model.piccount = 0;
  main.catrefresh();
  main.savelib(model.liblist[hdr].dir + libidxname, hdr);
  if (!kept.isEmpty())
    main.seam().message("The directory " + text(dir) + " held files that the album did not list. They were kept: " +
                            kept.join(", ") + ".",
                        "Delete Album", Buttons::Ok, Icon::Information);
}

}  // namespace fotivo
