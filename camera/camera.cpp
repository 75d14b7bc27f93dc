#include "camera/camera.h"

#include <QAction>

#include "albums/import_album.h"
#include "app/main_window.h"
#include "app/modal_seam.h"
#include "camera/camera_setup.h"
#include "camera/camera_window.h"
#include "library/camera_settings.h"

namespace fotivo {

void Impcam(Main& main, CameraWindow& window) {
  // Start-up reads five values of CAMERA.INI; the quality chosen in "Define Camera" is the sixth.
  ProgramState& state = main.state();
  if (const CameraSettingsFile file = loadcamerasettings(state.model.homedir); file.exists)
    state.jpegquality = file.settings.jpegquality;
  if (openImportAlbum(main) < 0) return;
  if (window.activate()) main.seam().showModal(window);
}

void installCamera(Main& main) {
  // The bridge binding lives as long as the window; the download window is created once.
  auto* bridge = new BridgeBinding;
  auto* window = new CameraWindow(main, *bridge);
  QObject::connect(window, &QObject::destroyed, [bridge] { delete bridge; });
  QObject::connect(main.item("defcam"), &QAction::triggered, &main, [&main] { defcam(main); });
  QObject::connect(main.item("Impcam"), &QAction::triggered, &main, [&main, window] { Impcam(main, *window); });
  main.closeCameraSession = [window] { window->closeSession(); };
}

}  // namespace fotivo
