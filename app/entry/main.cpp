// The fotivo program: the main window, every subsystem wired into it, started in the
// directory named by the first argument or else in the current directory.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "albums/albums.h"
#include "albums/picture_ops.h"
#include "albums/remote_libraries.h"
#include "app/exit_when_shown.h"
#include "app/main_window.h"
#include "camera/camera.h"
#include "app/modal_seam.h"
#include "media/import_disk.h"
#include "media/media.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  fotivo::QtModalSeam seam;

  if (argc > 1) {
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error) {
      seam.message(QString("Fotivo cannot start in %1: %2.")
                       .arg(QString::fromLocal8Bit(argv[1]), QString::fromStdString(error.message())),
                   "Fotivo Folio", fotivo::ModalSeam::Buttons::Ok, fotivo::ModalSeam::Icon::Critical);
      return 1;
    }
  }

  fotivo::Main main(seam);
  fotivo::installAlbums(main);
  fotivo::installCamera(main);
  fotivo::installMedia(main);
  fotivo::installRemoteLibraries(main);
  fotivo::installPictureOps(main);
  fotivo::installImportDisk(main);
  main.startup();

  // Used by the start-up benchmark only: end as soon as the window is on the screen.
  fotivo::ExitWhenShown exitWhenShown;
  if (qEnvironmentVariableIntValue("FOTIVO_EXIT_WHEN_SHOWN") == 1)
    main.installEventFilter(&exitWhenShown);
  main.show();

  return app.exec();
}
