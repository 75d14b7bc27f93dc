// Whole-file writes that never leave a half-written file: the data goes to a temporary file
// in the same directory, is flushed to disk and renamed over the old file.
#pragma once

#include <string>
#include <string_view>

#include "model.h"

namespace fotivo {

// On failure the old file (if any) is byte for byte as it was and the temporary file is gone.
Problems writefileatomic(const std::string& path, std::string_view data);
// Removes a file; a file that is already gone is no failure.
Problems removefile(const std::string& path);

}  // namespace fotivo
