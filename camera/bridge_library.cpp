#include "camera/bridge_library.h"

#include <dlfcn.h>

#include <QCoreApplication>

namespace fotivo {

BridgeLibrary::BridgeLibrary(std::string file) : file_(std::move(file)) {}

BridgeLibrary::~BridgeLibrary() {
  if (handle_) dlclose(handle_);
}

void* BridgeLibrary::bind(std::string_view decorated, int parameters) {
  if (auto found = bound_.find(decorated); found != bound_.end()) return found->second;

  const DecoratedName split = splitdecorated(decorated);
  if (split.bytes < 0 || split.bytes != 4 * parameters)
    throw BridgeUnavailable("The camera function " + std::string(decorated) + " does not take " +
                            std::to_string(parameters) + " parameters.");
  if (!handle_) {
    handle_ = dlopen(file_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      const char* reason = dlerror();
      throw BridgeUnavailable("The camera interface library " + file_ + " cannot be loaded: " +
                              (reason ? reason : "unknown reason") + ".");
    }
  }
  dlerror();
  void* address = dlsym(handle_, std::string(split.name).c_str());
  if (!address)
    throw BridgeUnavailable("The camera interface library " + file_ + " has no function " +
                            std::string(decorated) + ".");
  bound_.emplace(std::string(decorated), address);
  return address;
}

std::string bridgefile() {
  return (QCoreApplication::applicationDirPath() + "/libtqbridge.so").toStdString();
}

}  // namespace fotivo
