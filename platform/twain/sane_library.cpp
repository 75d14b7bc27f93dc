#include "platform/twain/sane_library.h"

#include <dlfcn.h>

namespace fotivo {
namespace {

template <typename Function>
bool resolve(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  return function != nullptr;
}

const SaneLibrary* load() {
  static SaneLibrary library;
  void* handle = dlopen("libsane.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  const bool complete = resolve(handle, "sane_init", library.init) &&
                        resolve(handle, "sane_get_devices", library.get_devices) &&
                        resolve(handle, "sane_open", library.open) &&
                        resolve(handle, "sane_close", library.close) &&
                        resolve(handle, "sane_get_option_descriptor", library.get_option_descriptor) &&
                        resolve(handle, "sane_control_option", library.control_option) &&
                        resolve(handle, "sane_get_parameters", library.get_parameters) &&
                        resolve(handle, "sane_start", library.start) &&
                        resolve(handle, "sane_read", library.read) &&
                        resolve(handle, "sane_cancel", library.cancel);
  SANE_Int version = 0;
  if (!complete || library.init(&version, nullptr) != SANE_STATUS_GOOD) {
    dlclose(handle);
    return nullptr;
  }
  return &library;
}

}  // namespace

const SaneLibrary* saneLibrary() {
  static const SaneLibrary* const library = load();
  return library;
}

}  // namespace fotivo
