// The camera bridge, loaded from beside the program and bound export by export at the first
// call, by decorated name: "_TQILOpenDriver@8" is the ELF symbol TQILOpenDriver, and 8 must be
// four bytes for each parameter.
#pragma once

#include <map>
#include <stdexcept>
#include <string>

#include "tqbridge.h"

namespace fotivo {

// A library or export that cannot be had; the message names it.
class BridgeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class BridgeBinding {
 public:
  // path: the library file; empty means libtqbridge.so beside the program.
  explicit BridgeBinding(std::string path = {});
  ~BridgeBinding();
  BridgeBinding(const BridgeBinding&) = delete;
  BridgeBinding& operator=(const BridgeBinding&) = delete;

  // The export as a function of type F (e.g. decltype(&TQILOpenDriver)); throws BridgeError.
  template <typename F>
  F bind(const std::string& decorated) {
    return reinterpret_cast<F>(resolve(decorated, parameterCount(static_cast<F>(nullptr))));
  }

  const std::string& path() const { return path_; }

 private:
  template <typename R, typename... Args>
  static int parameterCount(R (*TQIL_CALL)(Args...)) {
    return int(sizeof...(Args));
  }
  void* resolve(const std::string& decorated, int parameters);

  std::string path_;
  void* handle_ = nullptr;
  std::map<std::string, void*> bound_;
};

}  // namespace fotivo
