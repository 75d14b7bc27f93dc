// The program with albums and camera wired in, a CAMERA.INI, and the simulated camera with
// a fresh card of sample pictures in the test's data directory.
#pragma once

#include <QListWidget>
#include <cstdlib>
#include <memory>

#include "albums/albums.h"
#include "app/main_window.h"
#include "camera/camera.h"
#include "camera/camera_window.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {

class CameraTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    ::unsetenv("TQSDK_CARD");
    ::unsetenv("TQSDK_PORT");
  }
  void TearDown() override {
    main.reset();
    WidgetTest::TearDown();
  }
  void start(const std::string& cameraIni) {
    if (!cameraIni.empty()) writeFile(libraryDir() / "CAMERA.INI", cameraIni);
    main = std::make_unique<Main>(seam);
    installAlbums(*main);
    installCamera(*main);
    main->startup();
  }
  CameraWindow& window() { return *main->findChild<CameraWindow*>("camera"); }
  QStringList lines() {
    QStringList rows;
    for (int r = 0; r < window().List1()->count(); ++r) rows << window().List1()->item(r)->text();
    return rows;
  }

  std::unique_ptr<Main> main;
};

}  // namespace fotivo::test
