#include "albums/picture_ops.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <filesystem>
#include <system_error>

#include "albums/addcatfm.h"
#include "albums/listform.h"
#include "albums/picture_files.h"
#include "albums/thumb_window.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/atomic_file.h"
#include "library/paths.h"

namespace fotivo {
namespace {

constexpr const char* copytitle = "Copy picture";

// Picture number (selected row + 1); 0 after telling the user when none is selected.
int selectedpicture(Main& main) {
  const int i = main.pics()->currentRow() + 1;
  if (i >= 1 && i <= main.state().model.piccount) return i;
  main.seam().message("Please select a picture in the list first.", "No picture selected",
                      ModalSeam::Buttons::Ok, ModalSeam::Icon::Information);
  return 0;
}

bool nativepicture(const picentry& picture) { return companionpath(picture.imagefile) != picture.imagefile; }

// The files of a picture: image, thumbnail and, for a native picture, its JPEG companion.
std::vector<std::string> picturefiles(const picentry& picture) {
  std::vector<std::string> files{picture.imagefile, picture.thumbfile};
  if (nativepicture(picture)) files.push_back(companionpath(picture.imagefile));
  return files;
}

std::string parentdir(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

}  // namespace

void displaypix(Main& main) {
  const int i = selectedpicture(main);
  if (i == 0) return;
  Thumb& window = thumb(main);
  window.fill(main.state().model.piclist[i]);
  main.seam().showModeless(window);
  window.raise();
  window.activateWindow();
}

void ephotocmt(Main& main) {
  const int i = selectedpicture(main);
  if (i == 0) return;
  ProgramState& state = main.state();
  picentry& picture = state.model.piclist[i];
  state.dlgok = false;
  Addcatfm& dialog = addcatfm(main);
  dialog.addname()->setText(QString::fromStdString(picture.name));
  dialog.addcomt()->setPlainText(QString::fromStdString(picture.comment));
  dialog.setPicture(QImage(QString::fromStdString(picture.thumbfile)));
  state.dlgmode = 5;
  main.seam().showModal(dialog);
  if (!state.dlgok) return;
  const std::string previous = picture.comment;
  picture.comment = dialog.comment();
  // The list in memory stays as the index file on disk.
  if (!main.savepic()) picture.comment = previous;
  main.picrefresh();
}

void delpix(Main& main) {
  const int i = selectedpicture(main);
  if (i == 0) return;
  Model& model = main.state().model;
  const picentry picture = model.piclist[i];
  const auto answer = main.seam().message(QString::fromStdString("Do you want to delete " + picture.name + "?"),
                                          "Delete picture ?", ModalSeam::Buttons::OkCancel);
  if (answer == ModalSeam::Answer::Ok) {
    Problems problems;
    for (const std::string& file : picturefiles(picture))
      for (FileProblem& problem : removefile(file)) problems.push_back(std::move(problem));
    main.report(problems, "Delete picture");
    // Files already gone do not keep the record; a picture file that is still there does.
    std::error_code error;
    if (!std::filesystem::exists(picture.imagefile, error)) {
      for (int p = i; p < model.piccount; ++p) model.piclist[p] = std::move(model.piclist[p + 1]);
      model.piclist[model.piccount--] = {};
      main.savepic();
      main.picrefresh();
    }
  }
  showfirstpicture(main);
}

void cpixtoalbum(Main& main) {
  const int i = selectedpicture(main);
  if (i == 0) return;
  const Model& model = main.state().model;
  const picentry& picture = model.piclist[i];

  QStringList rows;
  for (int p = 0; p <= model.liblast; ++p) {
    const libentry& entry = model.liblist[p];
    rows << QString::fromStdString(entry.islib ? "<< Library .. " + entry.name + " >>"
                                               : "   " + entry.name + " .. " + entry.comment);
  }
  Listform& form = listform(main);
  form.fill(copytitle, rows, false);
  main.seam().showModal(form);
  const int p = form.chosen();
  if (p < 0 || p > model.liblast) return;

  const libentry& target = model.liblist[p];
  const std::string& t = target.dir;
  if (target.islib)
    return void(main.seam().message("A picture can only be copied into an album. Please choose an album, "
                                     "not a library.",
                                     copytitle));
  std::error_code error;
  if (parentdir(picture.imagefile) == t ||
      std::filesystem::equivalent(parentdir(picture.imagefile), t, error))
    return void(main.seam().message("You can not copy a picture to the same Album. ", copytitle));

  // A file of the same name that holds another picture is never replaced.
  const std::vector<std::string> sources = picturefiles(picture);
  std::vector<std::string> created;
  for (const std::string& source : sources) {
    const std::string dest = t + "/" + filepart(source);
    if (std::filesystem::exists(dest, error) && !samefilecontent(source, dest)) {
      main.seam().message(QString::fromStdString("There is already another file named " + filepart(source) +
                                                 " in the album " + target.name +
                                                 ". The picture was not copied."),
                          copytitle, ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
      return;
    }
  }

  Problems problems;
  for (const std::string& source : sources) {
    const std::string dest = t + "/" + filepart(source);
    if (!std::filesystem::exists(dest, error)) created.push_back(dest);
    problems = copypicturefile(source, dest);
    if (!problems.empty()) break;
  }
  if (problems.empty())
    problems = appendpicture(t, {picture.name, picture.comment, t + "/" + filepart(picture.imagefile),
                                 t + "/" + filepart(picture.thumbfile)});
  if (problems.empty()) return;
  for (const std::string& file : created) removefile(file);
  main.report(problems, copytitle);
}

void installPictureOps(Main& main) {
  const std::pair<const char*, void (*)(Main&)> items[] = {
      {"displaypix", displaypix}, {"ephotocmt", ephotocmt}, {"delpix", delpix}, {"cpixtoalbum", cpixtoalbum}};
  for (const auto& [control, handler] : items)
    QObject::connect(main.item(control), &QAction::triggered, &main, [&main, handler] { handler(main); });
}

}  // namespace fotivo
