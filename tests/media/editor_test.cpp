// The picture editor: defining it, starting it on a picture.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QThread>
#include <filesystem>

#include "tests/media/media_test.h"

namespace fotivo::test {
namespace {

class EditorTest : public MediaTest {
 protected:
  // A program that writes the number of its arguments and each argument on a line of its own.
  std::string writeEditor(const std::string& name) {
    const std::string editor = path(name);
    writeFile(editor, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" + path("args.txt") + "\"\n");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    return editor;
  }
  // What the editor was started with; waits for it, since nothing waits for the editor.
  std::string editorArguments() {
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::exists(path("args.txt")) && waited.elapsed() < 10000) QThread::msleep(20);
    QThread::msleep(50);
    return readFile(path("args.txt"));
  }
  std::string piceditIni() const { return readFile(path("PICEDIT.INI")); }
};

TEST_F(EditorTest, DefinedEditorIsKeptInPiceditIniAndEnablesEditPicture) {
  const std::string editor = writeEditor("my editor");
  recording.pickFile(QString::fromStdString(editor));
  trigger("setpicedit");
  ASSERT_EQ(recording.dialogs.size(), 1u);
  EXPECT_EQ(recording.dialogs[0].title, "Locate Picture Editor");
  EXPECT_TRUE(recording.messages().empty());
  EXPECT_EQ(main->state().editorpath, editor);
  EXPECT_TRUE(main->item("editpix")->isEnabled());
  EXPECT_EQ(piceditIni(), "\"" + editor + "\"\r\n");
}

TEST_F(EditorTest, CancelledOrUnusableChoiceKeepsTheFormerEditor) {
  const std::string former = writeEditor("former");
  recording.pickFile(QString::fromStdString(former));
  trigger("setpicedit");
  const std::string ini = piceditIni();

  writeFile(path("notes.txt"), "not a program");
  writeEditor("quote\"d");
  for (const std::string& choice : {std::string(), path("notes.txt"), path("quote\"d"), path("missing")}) {
    recording.pickFile(QString::fromStdString(choice));
    trigger("setpicedit");
    EXPECT_EQ(main->state().editorpath, former) << choice;
    EXPECT_EQ(piceditIni(), ini) << choice;
  }
  EXPECT_EQ(recording.messages().size(), 3u) << "each unusable choice is told; cancel is not";
}

TEST_F(EditorTest, EditorGetsThePictureAsOneArgument) {
  const struct {
    const char* picture;
    const char* opened;
  } cases[] = {
      {"/MY PHOTO.JPG", "/MY PHOTO.JPG"},
      {"/CAM 0001.TQN", "/CAM 0001.JPG"},  // a native camera file opens as its JPEG copy
  };
  main->state().editorpath = writeEditor("editor");
  main->item("editpix")->setEnabled(true);
  for (const auto& c : cases) {
    std::filesystem::remove(path("args.txt"));
    writeJpeg(album + c.opened, 8, 8, Qt::gray);
    main->pics()->clear();
    main->state().model.piccount = 0;
    select(addPicture(album + c.picture));
    trigger("editpix");
    EXPECT_EQ(editorArguments(), "1\n" + album + c.opened + "\n") << c.picture;
  }
  EXPECT_TRUE(recording.messages().empty());
}

TEST_F(EditorTest, FailingStartOrMissingPictureIsTold) {
  writeJpeg(album + "/A.JPG", 8, 8, Qt::gray);
  select(addPicture(album + "/A.JPG"));
  main->state().editorpath = path("no such editor");
  main->item("editpix")->setEnabled(true);
  trigger("editpix");
  main->state().editorpath = writeEditor("editor");
  std::filesystem::remove(album + "/A.JPG");
  trigger("editpix");
  const std::vector<QString> told = recording.messages();
  ASSERT_EQ(told.size(), 2u);
  EXPECT_TRUE(told[0].contains("could not be started"));
  EXPECT_TRUE(told[1].contains("A.JPG") && told[1].contains("cannot be found"));
  EXPECT_FALSE(std::filesystem::exists(path("args.txt")));
}

}  // namespace
}  // namespace fotivo::test
