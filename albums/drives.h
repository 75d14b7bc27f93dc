// The drives that the library dialogs offer: the user's home directory first, then every
// mounted, ready, writable volume other than the system's own mounts.
#pragma once

#include <string>
#include <vector>

class QComboBox;

namespace fotivo {

// Each drive's path, which stands where a drive letter and colon would.
std::vector<std::string> drives();
// Replaces the drive list while the guard lives (tests give a temporary directory).
class DriveOverride {
 public:
  explicit DriveOverride(std::vector<std::string> paths);
  ~DriveOverride();
  DriveOverride(const DriveOverride&) = delete;
  DriveOverride& operator=(const DriveOverride&) = delete;
};

// Fills a drive list control, keeping the chosen drive when it is still there.
void filldrives(QComboBox& drive1);
// Whether path is a drive's own path, not a directory on it.
bool isdriveroot(const std::string& path);

}  // namespace fotivo
