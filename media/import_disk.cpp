#include "media/import_disk.h"

#include <QAction>
#include <filesystem>
#include <system_error>

#include "albums/addcatfm.h"
#include "albums/import_album.h"
#include "albums/picture_files.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/atomic_file.h"
#include "library/names.h"
#include "library/paths.h"

namespace fotivo {
namespace {

bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// The file of the album that the name t would replace: the picture or its thumbnail; "" when
// neither is there.
std::string takenby(const std::string& dir, const std::string& t) {
  if (exists(dir + "/" + t)) return t;
  const std::string thumbfile = importthumbname(dir, t);
  return exists(thumbfile) ? filepart(thumbfile) : std::string();
}

// The name the picture is stored under in dir: f, or the user's answer while f or its
// thumbnail would replace a file of the album. "" when the user gives up.
std::string storename(Main& main, const std::string& dir, const std::string& f) {
  std::string t = f;
  for (std::string taken = takenby(dir, t); !taken.empty(); taken = takenby(dir, t)) {
    const QString answer = main.seam().input(
        QString::fromStdString("There is already a file named " + taken + " in the Album. Please rename it."),
        "Dupicate file", QString::fromStdString(f));
    t = answer.toStdString();
    if (t.empty()) return t;
    if (const NameProblem problem = checkname(t); problem != NameProblem::none) {
      main.seam().message(QString::fromStdString(nameproblemtext(problem)), "Dupicate file");
      t = f;
    }
  }
  return t;
}

}  // namespace

std::string importthumbname(const std::string& dir, const std::string& t) {
  const auto dot = t.find('.');
  return dir + "/" + (dot == std::string::npos ? t + "." : t.substr(0, dot + 1)) + "THB";
}

Problems storeimport(const std::string& source, const std::string& imagefile, const QImage& thumbnail,
                     const std::string& thumbfile) {
  Problems problems = copypicturefile(source, imagefile);
  if (!problems.empty()) return problems;
  problems = writethumbnail(thumbnail, thumbfile);
  if (!problems.empty()) removefile(imagefile);
  return problems;
}

namespace {

// Steps 2 to 9: the file, its name and comment, the copy, the thumbnail and the record.
void importfile(Main& main, const std::string& d) {
  ProgramState& state = main.state();
  Model& model = state.model;
  Addcatfm& dialog = addcatfm(main);
  // 2. and 3. The file.
  state.importsrc.clear();
  state.importsrc = main.seam().openFile("Import Picture", "*.*", "").toStdString();
  if (state.importsrc.empty()) return;
  // 4. Its name and comment.
  const std::string f = filepart(state.importsrc);
  dialog.setWindowTitle(QString::fromStdString("Import . . " + f));
  state.dlgmode = 3;
  state.dlgok = false;
  main.seam().showModal(dialog);
  if (!state.dlgok) return;
  // 5. and 6. The name it is stored under.
  const std::string t = storename(main, d, f);
  if (t.empty()) return;
  // 7. and 8. The picture, its thumbnail and its record.
  const picentry picture{dialog.name(), dialog.comment(), d + "/" + t, importthumbname(d, t)};
  if (!main.report(storeimport(state.importsrc, picture.imagefile, dialog.picture(), picture.thumbfile),
                      "Import Picture"))
    return;
  model.piclist[++model.piccount] = picture;
  // 9. The index; a picture that it could not record leaves no files behind.
  if (!main.savepic()) {
    model.piclist[model.piccount--] = {};
    removefile(picture.imagefile);
    removefile(picture.thumbfile);
  }
  main.picrefresh();
}

}  // namespace

void importpix(Main& main) {
  const Model& model = main.state().model;
  const libentry& album = model.liblist[model.curalbum];
  // 1. Only an album receives pictures.
  if (album.islib) {
    main.seam().message("You must open an Album to recieve the import !", "Where to Import");
    return;
  }
  if (!roomForPicture(main, "Import Picture")) return;
  importfile(main, album.dir);
  // 10. The first picture, and the strip from page 1.
  showfirstpicture(main);
}

void installImportDisk(Main& main) {
  QObject::connect(main.item("importpix"), &QAction::triggered, &main, [&main] { importpix(main); });
}

}  // namespace fotivo
