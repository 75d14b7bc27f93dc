#include "albums/drives.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace fotivo {
namespace {

std::optional<std::vector<std::string>>& overridden() {
  static std::optional<std::vector<std::string>> paths;
  return paths;
}

// Mounts that hold the system itself or no files of the user's.
bool systemmount(const QStorageInfo& volume) {
  constexpr std::array<std::string_view, 12> types = {"proc", "sysfs", "devtmpfs", "devpts", "tmpfs",
                                                      "cgroup", "cgroup2", "overlay", "squashfs",
                                                      "securityfs", "debugfs", "tracefs"};
  const std::string type = volume.fileSystemType().toStdString();
  if (std::find(types.begin(), types.end(), type) != types.end()) return true;
  const QString root = volume.rootPath();
  if (root == "/") return true;
  for (const char* prefix : {"/boot", "/proc", "/sys", "/dev", "/run", "/snap", "/var", "/usr", "/etc"})
    if (root == prefix || root.startsWith(QString(prefix) + "/")) {
      // Removable media appear under /run/media and /media; they are the user's.
      if (root.startsWith("/run/media/")) return false;
      return true;
    }
  return false;
}

}  // namespace

DriveOverride::DriveOverride(std::vector<std::string> paths) { overridden() = std::move(paths); }
DriveOverride::~DriveOverride() { overridden().reset(); }

std::vector<std::string> drives() {
  if (overridden()) return *overridden();
  std::vector<std::string> paths{QDir::homePath().toStdString()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() || systemmount(volume)) continue;
    if (!QFileInfo(volume.rootPath()).isWritable()) continue;
    const std::string root = volume.rootPath().toStdString();
    if (std::find(paths.begin(), paths.end(), root) == paths.end()) paths.push_back(root);
  }
  return paths;
}

void filldrives(QComboBox& drive1) {
  const QString chosen = drive1.currentText();
  drive1.clear();
  for (const std::string& path : drives()) drive1.addItem(QString::fromStdString(path));
  const int kept = drive1.findText(chosen);
  drive1.setCurrentIndex(kept >= 0 ? kept : 0);
}

bool isdriveroot(const std::string& path) {
  const std::vector<std::string> all = drives();
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  return std::find(all.begin(), all.end(), trimmed) != all.end();
}

}  // namespace fotivo
