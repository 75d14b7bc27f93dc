// The camera interface library, loaded at run time: each export is bound at its first call by
// its decorated name "_Name@N", N being the bytes of its arguments, 4 for each parameter.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fotivo {

// The library or one of its exports cannot be loaded; what() is a sentence for the user.
class BridgeUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "_Name@N" split into the name the library exports and N; bytes is -1 for a malformed name.
struct DecoratedName {
  std::string_view name;
  int bytes = -1;
};

constexpr DecoratedName splitdecorated(std::string_view decorated) {
  const auto at = decorated.rfind('@');
  if (decorated.size() < 4 || decorated[0] != '_' || at == std::string_view::npos || at < 2 ||
      at + 1 == decorated.size())
    return {};
  int bytes = 0;
  for (char c : decorated.substr(at + 1)) {
    if (c < '0' || c > '9') return {};
    bytes = bytes * 10 + (c - '0');
  }
  return {decorated.substr(1, at - 1), bytes};
}

class BridgeLibrary {
 public:
  explicit BridgeLibrary(std::string file);
  ~BridgeLibrary();
  BridgeLibrary(const BridgeLibrary&) = delete;
  BridgeLibrary& operator=(const BridgeLibrary&) = delete;

  const std::string& file() const { return file_; }

  // The address of the export for a function of `parameters` parameters. Loads the library on
  // first use; throws BridgeUnavailable when the library, or the export, cannot be had.
  void* bind(std::string_view decorated, int parameters);

 private:
  std::string file_;
  void* handle_ = nullptr;
  std::map<std::string, void*, std::less<>> bound_;
};

// The library installed beside the program (in the build tree, the shared output directory).
std::string bridgefile();

}  // namespace fotivo
