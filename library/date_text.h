// The program's date-time text "MM/DD/YY hh:mm:ss AM", whatever the desktop locale.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace fotivo {

std::string datetext(std::chrono::system_clock::time_point when);  // local time
std::string nowtext();
std::string filetimetext(std::filesystem::file_time_type when);

}  // namespace fotivo
