#include "library/remote_entry.h"

#include "library/names.h"

namespace fotivo {

std::string remoteentry(std::string_view drivepath, std::string_view name,
                        std::string_view comment) {
  std::string entry(drivepath);
  entry += '/';
  entry += name;
  const std::size_t length = charcount(name);
  if (length < 12) entry.append(12 - length, ' ');
  entry += " - ";
  entry += comment;
  return entry;
}

std::string remotedir(std::string_view entry) {
  // A name of at most 8 characters is followed by at least four spaces and " - "; that run is
  // looked for first, so that a " - " inside the drive's path or the name is not taken.
  std::size_t separator = entry.find("     - ");
  if (separator == std::string_view::npos) separator = entry.find(" - ");
  std::string_view dir = entry.substr(0, separator);
  while (!dir.empty() && dir.back() == ' ') dir.remove_suffix(1);
  return std::string(dir);
}

}  // namespace fotivo
