#include "library/date_text.h"

#include <cstdio>
#include <ctime>

namespace fotivo {

std::string datetext(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d %s", local.tm_mon + 1,
                local.tm_mday, local.tm_year % 100, hour12, local.tm_min, local.tm_sec,
                local.tm_hour < 12 ? "AM" : "PM");
  return text;
}

std::string nowtext() { return datetext(std::chrono::system_clock::now()); }

std::string filetimetext(std::filesystem::file_time_type when) {
  return datetext(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(when)));
}

}  // namespace fotivo
