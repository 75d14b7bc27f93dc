// The state that every window of the program shares for the whole run.
#pragma once

#include <string>

#include "library/model.h"
#include "tqbridge.h"

namespace fotivo {

struct ProgramState {
  Model model;
  bool dlgok = false;    // the last dialog was confirmed
  int dlgmode = 0;       // purpose of the album and picture dialog, 1 to 6
  bool thumbson = false; // the thumbnail strip is shown
  int thumbfirst = 0;    // number of the picture in the strip's first column
  bool camopen = false;  // a camera session is open and must be closed at exit
  TQILCameraRec camsession{};  // how to reach the camera
  int imgformat = 0;     // camera image format: 0 JPEG, 1 native
  int jpegquality = 0;   // camera JPEG quality
  std::string importsrc, stampname, editorpath;
};

}  // namespace fotivo
