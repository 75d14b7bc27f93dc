// A fresh directory per test, removed with everything in it afterwards, and whole-file helpers.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fotivo::test {

namespace fs = std::filesystem;

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "fotivo-library-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(dir, error);
  }

  std::string path(const std::string& name) const { return dir + "/" + name; }

  std::string dir;
};

inline std::string readfile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writefile(const std::string& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

}  // namespace fotivo::test
