// Where imports go and how imported pictures are named.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model.h"

namespace fotivo {

// The last position of liblist (0..liblast) whose name is exactly "TEMP", or -1 when none is.
int importalbum(const Model& model);

// The picture base name from a date-time text "MM/DD/YY hh:mm:ss AM": the first six
// characters without "/", then the six after the date's blank without ":".
// 12/09/97 10:23:45 AM gives 12091023.
std::string stampname(std::string_view datetime);
// The same from the current local date and time.
std::string stampname();
// base when no file base + "." + ext (for each ext) exists in dir; otherwise base + "-2",
// "-3", ... whichever is free, so that a second import within the same minute replaces
// nothing.
std::string uniquename(const std::string& dir, const std::string& base,
                       std::initializer_list<std::string_view> exts);

}  // namespace fotivo
