#include "tests/support/widget_test.h"

#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fotivo::test {

QApplication& application() {
  static int argc = 1;
  static char name[] = "fotivo-test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *app;
}

void WidgetTest::SetUp() {
  ASSERT_TRUE(root_.isValid());
  const std::filesystem::path root = root_.path().toStdString();
  for (auto [variable, sub] : {std::pair{"HOME", "home"}, {"XDG_CONFIG_HOME", "config"},
                               {"XDG_DATA_HOME", "data"}, {"XDG_CACHE_HOME", "cache"}}) {
    std::filesystem::create_directories(root / sub);
    setenv(variable, (root / sub).c_str(), 1);
  }
  library_ = root / "library";
  std::filesystem::create_directories(library_);
  previousDir_ = std::filesystem::current_path();
  std::filesystem::current_path(library_);
  application();
}

void WidgetTest::TearDown() {
  std::filesystem::current_path(previousDir_);
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace fotivo::test

// The system's font configuration library keeps a cache for the life of the process, which
// leak checks would otherwise report for every widget test. Weak: a test may give its own.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
