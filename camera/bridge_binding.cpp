#include "camera/bridge_binding.h"

#include <QCoreApplication>
#include <dlfcn.h>

namespace fotivo {

BridgeBinding::BridgeBinding(std::string path) : path_(std::move(path)) {
  if (path_.empty()) path_ = (QCoreApplication::applicationDirPath() + "/libtqbridge.so").toStdString();
}

BridgeBinding::~BridgeBinding() {
  if (handle_) dlclose(handle_);
}

void* BridgeBinding::resolve(const std::string& decorated, int parameters) {
  if (auto found = bound_.find(decorated); found != bound_.end()) return found->second;
  // "_Name@N": the ELF name drops the underscore and the decoration.
  const auto at = decorated.rfind('@');
  if (decorated.size() < 4 || decorated[0] != '_' || at == std::string::npos)
    throw BridgeError("The camera function name " + decorated + " is not a decorated name.");
  const std::string name = decorated.substr(1, at - 1);
  if (decorated.substr(at + 1) != std::to_string(4 * parameters))
    throw BridgeError("The camera function " + decorated + " does not take " + std::to_string(parameters) +
                      " parameters as the program expects.");
  if (!handle_) {
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      const char* reason = dlerror();
      throw BridgeError("The camera library " + path_ + " could not be loaded: " +
                        (reason ? reason : "unknown reason") + ".");
    }
  }
  void* function = dlsym(handle_, name.c_str());
  if (!function)
    throw BridgeError("The camera library " + path_ + " has no function " + name + " (" + decorated + ").");
  bound_.emplace(decorated, function);
  return function;
}

}  // namespace fotivo
