// PICEDIT.INI in the home directory: one record with the external editor's full path.
#pragma once

#include <string>

#include "model.h"

namespace fotivo {

inline constexpr const char* piceditininame = "/PICEDIT.INI";

struct EditorSettingsFile {
  bool exists = false;
  std::string editorpath;
  Problems problems;
};

EditorSettingsFile loadeditorsettings(const std::string& homedir);
Problems saveeditorsettings(const std::string& homedir, const std::string& editorpath);

}  // namespace fotivo
