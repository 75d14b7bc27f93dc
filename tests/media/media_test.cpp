#include "tests/media/media_test.h"

#include <QAction>
#include <QImage>
#include <QListWidget>
#include <filesystem>

#include "media/media.h"

namespace fotivo::test {

void MediaTest::SetUp() {
  WidgetTest::SetUp();
  main = std::make_unique<Main>(recording);
  installMedia(*main);
  Model& model = main->state().model;
  model.homedir = libraryDir().string();
  album = path("ALBUM");
  std::filesystem::create_directories(album);
  model.albumdir = album;
}

void MediaTest::TearDown() {
  main.reset();
  WidgetTest::TearDown();
}

int MediaTest::addPicture(const std::string& imagefile) {
  Model& model = main->state().model;
  const int i = ++model.piccount;
  model.piclist[i] = {"PIC" + std::to_string(i), "a comment", imagefile, imagefile + ".bmp"};
  main->pics()->addItem(QString::fromStdString(model.piclist[i].name));
  return i;
}

void MediaTest::select(int picture) { main->pics()->setCurrentRow(picture - 1); }

void MediaTest::trigger(const char* control) { main->item(control)->trigger(); }

void MediaTest::writeJpeg(const std::string& path, int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(QString::fromStdString(path), "JPEG"));
}

}  // namespace fotivo::test

// The system's font configuration library keeps a cache for the life of the process; the leak
// checker of sanitizer builds is told to pass over it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
