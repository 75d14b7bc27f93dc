// Path helpers shared by the windows.
#pragma once

#include <string>
#include <string_view>

namespace fotivo {

// A native camera file (".TQN") cannot be shown: its JPEG copy lies beside it with "JPG"
// in place of the last three characters. Other paths come back unchanged.
std::string companionpath(std::string_view path);
// The characters after the last "/" (the whole path when it has none).
std::string filepart(std::string_view path);
// The path with the text after the file part's last "." replaced by ext ("THB"); a file part
// without a dot gets "." + ext appended.
std::string withextension(std::string_view path, std::string_view ext);

}  // namespace fotivo
