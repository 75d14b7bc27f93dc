// The text of a known remote library: drive path, "/", name, 12 - length(name) spaces, " - "
// and the comment.
#pragma once

#include <string>
#include <string_view>

namespace fotivo {

std::string remoteentry(std::string_view drivepath, std::string_view name,
                        std::string_view comment);
// The library's directory: the text before the run of spaces that precedes " - ".
// An entry without that separator is taken whole, trailing spaces removed.
std::string remotedir(std::string_view entry);

}  // namespace fotivo
