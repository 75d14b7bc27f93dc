#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <memory>

#include "library/atomic_file.h"
#include "library/model.h"
#include "temp_dir.h"

namespace fotivo {
namespace {

using test::readfile;
using test::writefile;
namespace fs = std::filesystem;

class AtomicFileTest : public test::TempDirTest {
 protected:
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }
};

TEST_F(AtomicFileTest, ReplacesTheFileAndKeepsItsPermissions) {
  writefile(path("LIBIDX.IDX"), "old");
  fs::permissions(path("LIBIDX.IDX"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(writefileatomic(path("LIBIDX.IDX"), "new contents").empty());
  EXPECT_EQ(readfile(path("LIBIDX.IDX")), "new contents");
  EXPECT_EQ(fs::status(path("LIBIDX.IDX")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, ALinkStaysALinkAndItsTargetIsReplaced) {
  fs::create_directory(path("real"));
  writefile(path("real/REMOTE.IDX"), "old");
  fs::create_symlink(path("real/REMOTE.IDX"), path("REMOTE.IDX"));
  EXPECT_TRUE(writefileatomic(path("REMOTE.IDX"), "new").empty());
  EXPECT_TRUE(fs::is_symlink(path("REMOTE.IDX")));
  EXPECT_EQ(readfile(path("real/REMOTE.IDX")), "new");
}

struct FailingCase {
  const char* label;
  std::string target;  // below the test's directory
  const char* reason;
};

class AtomicFileFails : public AtomicFileTest, public ::testing::WithParamInterface<FailingCase> {};

TEST_P(AtomicFileFails, NamesTheFileAndTheReason) {
  fs::create_directory(path("LIBIDX.IDX"));  // a directory where the file should be
  const std::string target = path(GetParam().target);
  Problems problems = writefileatomic(target, "data");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].path, target);
  EXPECT_NE(problems[0].message.find("The file " + target + " could not be written: " + GetParam().reason),
            std::string::npos)
      << problems[0].message;
  EXPECT_EQ(entries(), 1u);  // no temporary file left behind
}

INSTANTIATE_TEST_SUITE_P(Cases, AtomicFileFails,
                         ::testing::Values(FailingCase{"DirectoryMissing", "missing/LIBIDX.IDX", "No such file or directory"},
                                           FailingCase{"PathIsADirectory", "LIBIDX.IDX", "Is a directory"}),
                         [](const auto& info) { return info.param.label; });

// A full disk, simulated by a file size limit that holds for root too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldhandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldhandler_);
  }

 private:
  rlimit saved_{};
  void (*oldhandler_)(int) = nullptr;
};

TEST_F(AtomicFileTest, AFullDiskLeavesTheOldIndexByteIdentical) {
  const std::string old = "#TRUE#,\"Main\",\" Main library\",\"/h\"\r\n";
  writefile(path("LIBIDX.IDX"), old);
  auto model = std::make_unique<Model>();
  model->liblast = 1;
  model->liblist[0] = {true, "Main", " Main library", "/h"};
  model->liblist[1] = {false, "A LONG ALBUM", "a comment long enough to pass the limit", "/h/A LONG ALBUM"};
  Problems problems;
  {
    FileSizeLimit limit(40);
    problems = savelib(*model, path("LIBIDX.IDX"), 0);
  }
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].message, "The file " + path("LIBIDX.IDX") +
                                     " could not be written: File too large. The previous file was left unchanged.");
  EXPECT_EQ(readfile(path("LIBIDX.IDX")), old);
  EXPECT_EQ(entries(), 1u);
  EXPECT_EQ(model->liblast, 1);
}

TEST_F(AtomicFileTest, AReadOnlyDirectoryLeavesTheOldFileByteIdentical) {
  if (geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  writefile(path("PHOTOIDX.IDX"), "\"A\",\"\",\"/a\",\"/b\"\r\n");
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  auto model = std::make_unique<Model>();
  model->albumdir = dir;
  model->piccount = 1;
  model->piclist[1] = {"B", "", "/c", "/d"};
  Problems written = savepic(*model);
  model->piccount = 0;
  Problems removed = savepic(*model);
  fs::permissions(dir, fs::perms::owner_all);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_NE(written[0].message.find("Permission denied"), std::string::npos);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_NE(removed[0].message.find("could not be removed"), std::string::npos);
  EXPECT_EQ(readfile(path("PHOTOIDX.IDX")), "\"A\",\"\",\"/a\",\"/b\"\r\n");
}

}  // namespace
}  // namespace fotivo
