// The fixture of widget tests: one QApplication on the offscreen platform for the whole run,
// and per test a fresh temporary directory with its own home, configuration and data
// directories and a library directory that is made the current directory.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "tests/support/scripted_seam.h"

class QApplication;

namespace fotivo::test {

// The application object, created on first use.
QApplication& application();

class WidgetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The current directory during the test: the program's start-up directory.
  const std::filesystem::path& libraryDir() const { return library_; }
  // A path inside the library directory, as the program's text.
  std::string path(const std::string& relative) const { return (library_ / relative).string(); }

  ScriptedSeam seam;

 private:
  QTemporaryDir root_;
  std::filesystem::path library_;
  std::filesystem::path previousDir_;
};

// Whole files, byte for byte.
std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace fotivo::test
