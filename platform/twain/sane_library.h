// libsane, loaded once at run time; every entry point resolved by name.
#pragma once

#include <sane/sane.h>

namespace fotivo {

struct SaneLibrary {
  SANE_Status (*init)(SANE_Int*, SANE_Auth_Callback);
  SANE_Status (*get_devices)(const SANE_Device***, SANE_Bool);
  SANE_Status (*open)(SANE_String_Const, SANE_Handle*);
  void (*close)(SANE_Handle);
  const SANE_Option_Descriptor* (*get_option_descriptor)(SANE_Handle, SANE_Int);
  SANE_Status (*control_option)(SANE_Handle, SANE_Int, SANE_Action, void*, SANE_Int*);
  SANE_Status (*get_parameters)(SANE_Handle, SANE_Parameters*);
  SANE_Status (*start)(SANE_Handle);
  SANE_Status (*read)(SANE_Handle, SANE_Byte*, SANE_Int, SANE_Int*);
  void (*cancel)(SANE_Handle);
};

// The initialised library, or nullptr when libsane is missing, lacks an entry point or
// fails to initialise. Loaded and initialised at the first call only.
const SaneLibrary* saneLibrary();

}  // namespace fotivo
