// Fixture of the media tests: a main window with the media items installed, an open album in
// the library directory, and a seam that also records the filter and preset of file dialogs.
#pragma once

#include <QColor>
#include <QString>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {

class RecordingSeam : public ScriptedSeam {
 public:
  struct FileDialog {
    QString title, filter, preset;
  };
  QString openFile(const QString& title, const QString& filter, const QString& preset) override {
    dialogs.push_back({title, filter, preset});
    return ScriptedSeam::openFile(title, filter, preset);
  }
  QString saveFile(const QString& title, const QString& filter, const QString& preset) override {
    dialogs.push_back({title, filter, preset});
    return ScriptedSeam::saveFile(title, filter, preset);
  }
  std::vector<FileDialog> dialogs;
};

class MediaTest : public WidgetTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds a picture to the open album and to the picture list; returns its number.
  int addPicture(const std::string& imagefile);
  void select(int picture);
  void trigger(const char* control);

  // A width x height JPEG of one colour.
  static void writeJpeg(const std::string& path, int width, int height, QColor colour);

  RecordingSeam recording;
  std::unique_ptr<Main> main;
  std::string album;  // the open album's directory
};

}  // namespace fotivo::test
