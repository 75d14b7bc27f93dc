#include <gtest/gtest.h>

#include <memory>

#include "library/model.h"
#include "library/remote_entry.h"
#include "temp_dir.h"

namespace fotivo {
namespace {

using test::readfile;
using test::writefile;
namespace fs = std::filesystem;

class ModelTest : public test::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    model = std::make_unique<Model>();
    model->homedir = dir;
    model->libdir = dir;
  }

  std::vector<std::string> dirlisting() const {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(dir)) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  void setlist(std::initializer_list<libentry> entries) {
    model->liblast = -1;
    for (const libentry& e : entries) model->liblist[++model->liblast] = e;
  }

  std::unique_ptr<Model> model;  // large: keep it off the stack
};

std::string mainindex(const std::string& home) {
  return "#TRUE#,\"Main\",\" Main library\",\"" + home + "\"\r\n#FALSE#,\"TEMP\",\" Work in process\",\"" +
         home + "/TEMP\"\r\n";
}

TEST_F(ModelTest, FirstStartCreatesTheMainLibrary) {
  EXPECT_TRUE(createmain(*model).empty());
  EXPECT_EQ(readfile(path("LIBIDX.IDX")), mainindex(dir));
  EXPECT_TRUE(fs::is_directory(path("TEMP")));
  EXPECT_EQ(dirlisting(), (std::vector<std::string>{"LIBIDX.IDX", "TEMP"}));  // no temporary left
  ASSERT_EQ(model->liblast, 1);
  EXPECT_EQ(model->liblist[0].name, "Main");
  EXPECT_EQ(model->liblist[1].dir, dir + "/TEMP");
}

TEST_F(ModelTest, TempDirectoryWithoutIndexIsReused) {
  fs::create_directory(path("TEMP"));
  writefile(path("TEMP/PHOTOIDX.IDX"), "\"A\",\"\",\"/a\",\"/b\"\r\n");
  EXPECT_TRUE(createmain(*model).empty());
  EXPECT_EQ(readfile(path("LIBIDX.IDX")), mainindex(dir));
  EXPECT_EQ(readfile(path("TEMP/PHOTOIDX.IDX")), "\"A\",\"\",\"/a\",\"/b\"\r\n");
}

TEST_F(ModelTest, AnExistingEmptyIndexLoadsNothingAndIsNotRecreated) {
  writefile(path("LIBIDX.IDX"), "");
  EXPECT_TRUE(createmain(*model).empty());
  EXPECT_TRUE(loadlib(*model, path("LIBIDX.IDX")).empty());
  EXPECT_EQ(model->liblast, -1);
  EXPECT_EQ(readfile(path("LIBIDX.IDX")), "");
  EXPECT_FALSE(fs::exists(path("TEMP")));
}

TEST_F(ModelTest, CreatemainThatCannotWriteLeavesTheListEmpty) {
  writefile(path("TEMP"), "a file in the way");
  Problems problems = createmain(*model);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].message.find(path("TEMP")), std::string::npos);
  EXPECT_EQ(model->liblast, -1);
  EXPECT_FALSE(fs::exists(path("LIBIDX.IDX")));

  model->homedir = path("missing");
  problems = createmain(*model);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(model->liblast, -1);
}

TEST_F(ModelTest, LoadlibAppendsLibrariesAndIgnoresMissingFiles) {
  ASSERT_TRUE(createmain(*model).empty());
  writefile(path("remote.idx"), "#TRUE#,\"ARCHIVE\",\"Old scans\",\"/m/ARCHIVE\"\r\n#FALSE#,\"TEMP\",\" Work in process\",\"/m/ARCHIVE/TEMP\"\r\n");
  EXPECT_TRUE(loadlib(*model, path("remote.idx")).empty());
  EXPECT_TRUE(loadlib(*model, path("nothing.idx")).empty());
  ASSERT_EQ(model->liblast, 3);
  EXPECT_TRUE(model->liblist[2].islib);
  EXPECT_EQ(model->liblist[2].comment, "Old scans");
  EXPECT_EQ(model->liblist[3].dir, "/m/ARCHIVE/TEMP");
  EXPECT_TRUE(loadlib(*model, path("remote.idx")).empty());  // attached twice: there twice
  ASSERT_EQ(model->liblast, 5);
  EXPECT_EQ(model->liblist[4].name, "ARCHIVE");
}

TEST_F(ModelTest, SavelibWritesOneLibraryUpToTheNextHeaderOrTheEnd) {
  setlist({{true, "Main", " Main library", "/h"},
           {false, "HOLIDAY", "Beach, sun", "/h/HOLIDAY"},
           {false, "TEMP", " Work in process", "/h/TEMP"},
           {true, "ARCHIVE", "", "/m/ARCHIVE"},
           {false, "OLD", "", "/m/ARCHIVE/OLD"},
           {false, "TEMP", " Work in process", "/m/ARCHIVE/TEMP"}});
  EXPECT_TRUE(savelib(*model, path("main.idx"), 0).empty());
  EXPECT_EQ(readfile(path("main.idx")),
            "#TRUE#,\"Main\",\" Main library\",\"/h\"\r\n#FALSE#,\"HOLIDAY\",\"Beach, sun\",\"/h/HOLIDAY\"\r\n"
            "#FALSE#,\"TEMP\",\" Work in process\",\"/h/TEMP\"\r\n");
  EXPECT_TRUE(savelib(*model, path("remote.idx"), 3).empty());
  const std::string remote = readfile(path("remote.idx"));
  EXPECT_EQ(remote,
            "#TRUE#,\"ARCHIVE\",\"\",\"/m/ARCHIVE\"\r\n#FALSE#,\"OLD\",\"\",\"/m/ARCHIVE/OLD\"\r\n"
            "#FALSE#,\"TEMP\",\" Work in process\",\"/m/ARCHIVE/TEMP\"\r\n");
  EXPECT_TRUE(savelib(*model, path("remote.idx"), 3).empty());
  EXPECT_EQ(readfile(path("remote.idx")), remote);
  EXPECT_EQ(libraryend(*model, 0), 2);
  EXPECT_EQ(libraryend(*model, 3), 5);

  Problems problems = savelib(*model, path("bad.idx"), 6);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_FALSE(fs::exists(path("bad.idx")));
}

TEST_F(ModelTest, SavedLibraryLoadsBackUnchanged) {
  setlist({{true, "Main", " Main library", "/h"}, {false, "A", " lead, commas", "/h/A"}, {false, "E", "", "/h/E"}});
  ASSERT_TRUE(savelib(*model, path("LIBIDX.IDX"), 0).empty());
  Model loaded;
  ASSERT_TRUE(loadlib(loaded, path("LIBIDX.IDX")).empty());
  ASSERT_EQ(loaded.liblast, 2);
  for (int p = 0; p <= 2; ++p) {
    EXPECT_EQ(loaded.liblist[p].islib, model->liblist[p].islib);
    EXPECT_EQ(loaded.liblist[p].name, model->liblist[p].name);
    EXPECT_EQ(loaded.liblist[p].comment, model->liblist[p].comment);
    EXPECT_EQ(loaded.liblist[p].dir, model->liblist[p].dir);
  }
}

TEST_F(ModelTest, DamagedIndexLoadsWhatCanBeReadAndKeepsTheOriginal) {
  const std::string damaged = mainindex(dir) + "#FALSE#,\"HOLI";
  writefile(path("LIBIDX.IDX"), damaged);
  Problems problems = loadlib(*model, path("LIBIDX.IDX"));
  EXPECT_EQ(model->liblast, 1);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].path, path("LIBIDX.IDX"));
  EXPECT_NE(problems[0].message.find(path("LIBIDX.IDX") + " is damaged (line 3"), std::string::npos)
      << problems[0].message;
  EXPECT_NE(problems[0].message.find("kept as " + path("LIBIDX.IDX.damaged")), std::string::npos);
  EXPECT_EQ(readfile(path("LIBIDX.IDX.damaged")), damaged);

  // The same damage again reuses its copy; other damage does not overwrite it.
  Model again;
  loadlib(again, path("LIBIDX.IDX"));
  writefile(path("LIBIDX.IDX"), "junk\x01");
  problems = loadlib(again, path("LIBIDX.IDX"));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(readfile(path("LIBIDX.IDX.damaged")), damaged);
  EXPECT_EQ(readfile(path("LIBIDX.IDX.damaged.2")), "junk\x01");
}

TEST_F(ModelTest, LoadlibIntoANearlyFullListLoadsWhatFits) {
  model->liblast = libcapacity - 2;
  writefile(path("LIBIDX.IDX"), mainindex(dir) + mainindex(dir));
  Problems problems = loadlib(*model, path("LIBIDX.IDX"));
  EXPECT_EQ(model->liblast, libcapacity - 1);
  EXPECT_EQ(model->liblist[libcapacity - 1].name, "Main");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].message.find("more entries than fit"), std::string::npos) << problems[0].message;
  EXPECT_TRUE(fs::exists(path("LIBIDX.IDX.damaged")));

  problems = loadlib(*model, path("LIBIDX.IDX"));
  EXPECT_EQ(model->liblast, libcapacity - 1);
  EXPECT_EQ(problems.size(), 1u);
}

class PictureTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    model->albumdir = path("HOLIDAY");
    fs::create_directory(model->albumdir);
  }
  std::string index() const { return model->albumdir + "/PHOTOIDX.IDX"; }
};

TEST_F(PictureTest, SavepicAndPicloadRoundTrip) {
  model->piclist[1] = {"SUNSET", "Beach at evening", "/h/HOLIDAY/SUNSET.JPG", "/h/HOLIDAY/SUNSET.THB"};
  model->piclist[2] = {"EMPTY", "", "/h/HOLIDAY/E.JPG", "/h/HOLIDAY/E.THB"};
  model->piccount = 2;
  ASSERT_TRUE(savepic(*model).empty());
  EXPECT_EQ(readfile(index()),
            "\"SUNSET\",\"Beach at evening\",\"/h/HOLIDAY/SUNSET.JPG\",\"/h/HOLIDAY/SUNSET.THB\"\r\n"
            "\"EMPTY\",\"\",\"/h/HOLIDAY/E.JPG\",\"/h/HOLIDAY/E.THB\"\r\n");
  model->piclist[1] = {};
  model->piccount = 7;
  ASSERT_TRUE(picload(*model).empty());
  EXPECT_EQ(model->piccount, 2);
  EXPECT_EQ(model->piclist[1].comment, "Beach at evening");
  EXPECT_EQ(model->piclist[2].thumbfile, "/h/HOLIDAY/E.THB");
}

TEST_F(PictureTest, SavepicRemovesAnIndexLeftEmpty) {
  writefile(index(), "\"A\",\"\",\"/a\",\"/b\"\r\n");
  model->piccount = 0;
  EXPECT_TRUE(savepic(*model).empty());
  EXPECT_FALSE(fs::exists(index()));
  EXPECT_TRUE(savepic(*model).empty());  // nothing to remove is no failure
  model->piccount = 3;
  EXPECT_TRUE(picload(*model).empty());
  EXPECT_EQ(model->piccount, 0);
}

TEST_F(PictureTest, AlbumWithoutIndexAfterAnotherAlbumIsEmpty) {
  model->piclist[1] = {"OLD", "", "/x", "/y"};
  model->piccount = 1;
  EXPECT_TRUE(picload(*model).empty());
  EXPECT_EQ(model->piccount, 0);
  EXPECT_TRUE(savepic(*model).empty());
  EXPECT_FALSE(fs::exists(index()));
}

TEST_F(PictureTest, MoreRecordsThanAnAlbumHoldsAreKept) {
  std::string data;
  for (int i = 1; i <= piccapacity + 1; ++i)
    data += "\"P" + std::to_string(i) + "\",\"\",\"/i\",\"/t\"\r\n";
  writefile(index(), data);
  Problems problems = picload(*model);
  EXPECT_EQ(model->piccount, piccapacity);
  EXPECT_EQ(model->piclist[piccapacity].name, "P256");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(readfile(index() + ".damaged"), data);
}

TEST_F(ModelTest, RemoteListAfterFirstAndSecondLibrary) {
  EXPECT_TRUE(remoteload(*model).empty());
  EXPECT_EQ(model->rmtlast, 0);
  ASSERT_TRUE(addremote(*model, remoteentry("/media/usb", "ARCHIVE", "Old scans")));
  EXPECT_TRUE(saveremote(*model).empty());
  EXPECT_EQ(readfile(path("REMOTE.IDX")), "\"/media/usb/ARCHIVE      - Old scans\"\r\n\"\"\r\n");

  Model second;
  second.homedir = dir;
  EXPECT_TRUE(remoteload(second).empty());
  EXPECT_EQ(second.rmtlast, 1);
  ASSERT_TRUE(addremote(second, remoteentry("/media/usb", "NEW", "")));
  EXPECT_EQ(second.rmtlast, 2);
  EXPECT_TRUE(saveremote(second).empty());
  EXPECT_EQ(readfile(path("REMOTE.IDX")),
            "\"/media/usb/ARCHIVE      - Old scans\"\r\n\"\"\r\n\"/media/usb/NEW          - \"\r\n");
}

TEST_F(ModelTest, RemoteListEdgeFiles) {
  model->rmtlist[0] = "kept";
  EXPECT_TRUE(remoteload(*model).empty());  // no file: memory as it was
  EXPECT_EQ(model->rmtlist[0], "kept");
  EXPECT_TRUE(saveremote(*model).empty());
  EXPECT_FALSE(fs::exists(path("REMOTE.IDX")));

  writefile(path("REMOTE.IDX"), "");
  EXPECT_TRUE(remoteload(*model).empty());
  EXPECT_EQ(model->rmtlast, -1);
  model->rmtlist[1] = "stale";
  ASSERT_TRUE(addremote(*model, "/m/A            - a"));
  EXPECT_EQ(model->rmtlast, 1);
  EXPECT_EQ(model->rmtlist[0], "/m/A            - a");
  EXPECT_EQ(model->rmtlist[1], "");

  // A lone record is kept, not taken for an empty list.
  writefile(path("REMOTE.IDX"), "\"/m/A            - a\"\r\n");
  EXPECT_TRUE(remoteload(*model).empty());
  EXPECT_EQ(model->rmtlast, 1);
  ASSERT_TRUE(addremote(*model, "/m/B            - b"));
  EXPECT_EQ(model->rmtlist[0], "/m/A            - a");
  EXPECT_EQ(model->rmtlist[2], "/m/B            - b");

  model->rmtlast = rmtcapacity - 1;
  EXPECT_FALSE(addremote(*model, "/m/C            - c"));
}

TEST_F(PictureTest, AppendpictureKeepsTheRecordsThereAndStopsAtCapacity) {
  const picentry copied = {"COPY", "from another album", "/h/A/COPY.JPG", "/h/A/COPY.THB"};
  const std::string copiedline = "\"COPY\",\"from another album\",\"/h/A/COPY.JPG\",\"/h/A/COPY.THB\"\r\n";
  EXPECT_TRUE(appendpicture(model->albumdir, copied).empty());
  EXPECT_EQ(readfile(index()), copiedline);

  writefile(index(), "\"HAND\",\"edited\",\"/x\",\"/y\"");  // no final line break
  EXPECT_TRUE(appendpicture(model->albumdir, copied).empty());
  EXPECT_EQ(readfile(index()), "\"HAND\",\"edited\",\"/x\",\"/y\"\r\n" + copiedline);

  std::string full;
  for (int i = 0; i < piccapacity; ++i) full += copiedline;
  writefile(index(), full);
  Problems problems = appendpicture(model->albumdir, copied);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].message.find("at most 256 pictures"), std::string::npos);
  EXPECT_EQ(readfile(index()), full);
}

TEST_F(ModelTest, CreatelibraryMakesAWholeLibraryOrNothing) {
  const std::string archive = path("ARCHIVE");
  EXPECT_TRUE(createlibrary(archive, "ARCHIVE", "Old scans").empty());
  EXPECT_EQ(readfile(archive + "/LIBIDX.IDX"),
            "#TRUE#,\"ARCHIVE\",\"Old scans\",\"" + archive + "\"\r\n#FALSE#,\"TEMP\",\" Work in process\",\"" +
                archive + "/TEMP\"\r\n");
  EXPECT_TRUE(fs::is_directory(archive + "/TEMP"));

  Problems problems = createlibrary(archive, "ARCHIVE", "again");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(readfile(archive + "/LIBIDX.IDX").find("Old scans"), std::string::npos);

  problems = createlibrary(path("no/such/place"), "place", "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_FALSE(fs::exists(path("no")));
}

TEST_F(ModelTest, InsertAndRemoveEntriesKeepTheListInOrder) {
  setlist({{true, "Main", "", "/h"}, {false, "TEMP", "", "/h/TEMP"}});
  ASSERT_TRUE(insertentry(*model, 1, {false, "NEW", "", "/h/NEW"}));
  ASSERT_EQ(model->liblast, 2);
  EXPECT_EQ(model->liblist[1].name, "NEW");
  EXPECT_EQ(model->liblist[2].name, "TEMP");
  EXPECT_FALSE(insertentry(*model, 4, {}));
  removeentry(*model, 1);
  ASSERT_EQ(model->liblast, 1);
  EXPECT_EQ(model->liblist[1].name, "TEMP");
  EXPECT_EQ(model->liblist[2].name, "");

  model->liblast = libcapacity - 1;
  EXPECT_FALSE(insertentry(*model, 1, {}));
  EXPECT_EQ(model->liblist[1].name, "TEMP");
}

}  // namespace
}  // namespace fotivo
