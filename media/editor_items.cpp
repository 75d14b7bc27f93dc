#include <QAction>
#include <QFileInfo>
#include <QProcess>

#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/editor_settings.h"
#include "library/paths.h"
#include "media/media.h"
#include "media/selected_picture.h"

namespace fotivo {

namespace {

constexpr const char* editorTitle = "Define Image Editor";

// Why the file cannot serve as the picture editor; "" when it can.
QString unusableeditor(const QString& path) {
  const QFileInfo program(path);
  if (path.contains('"'))
    return "The path of the picture editor cannot contain a double quote (\"):\n" + path;
  if (!program.isFile() || !program.isExecutable())
    return path + " is not a program that can be started.";
  return {};
}

}  // namespace

void setpicedit(Main& main) {
  ProgramState& state = main.state();
  // Any file may be a program here, so the dialog shows them all. Cancel keeps the former
  // editor and PICEDIT.INI.
  const QString path = main.seam().openFile("Locate Picture Editor", "Programs (*)", "");
  if (path.isEmpty()) return;
  if (const QString problem = unusableeditor(path); !problem.isEmpty()) {
    main.seam().message(problem + "\n\nThe picture editor stays as it was.", editorTitle,
                        ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return;
  }
  state.editorpath = path.toStdString();
  main.report(saveeditorsettings(state.model.homedir, state.editorpath));
  main.item("editpix")->setEnabled(true);
}

void editpix(Main& main) {
  const std::optional<std::string> picture = selectedpicture(main);
  if (!picture) return;
  const QString file = QString::fromStdString(companionpath(*picture));
  const QString editor = QString::fromStdString(main.state().editorpath);
  if (!QFileInfo::exists(file)) {
    main.seam().message("The picture file " + file + " cannot be found.", "Edit picture",
                        ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return;
  }
  // The picture goes to the editor as one argument, blanks and all; the editor runs on its own.
  if (!QProcess::startDetached(editor, {file}))
    main.seam().message("The picture editor " + editor + " could not be started.",
                        "Edit picture", ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
}

}  // namespace fotivo
