// Bringing one camera picture into a directory: the picture information, then the picture
// as JPEG, or in the camera's native form with a JPEG copy beside it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "camera/camera_records.h"
#include "tqbridge.h"

namespace fotivo {

class CameraBridge;

// Selectors of the picture calls: the first is 0 until a picture is viewed or saved as JPEG,
// then 1; the second always -1 (all pictures).
struct CameraSelection {
  std::int32_t camselect1 = 0;
  std::int16_t camselect2 = -1;
};

// What went wrong, as a sentence for the user; camera is true when it names a camera code
// (shown under the camera's own title).
struct DownloadFailure {
  std::string text;
  bool camera = false;
};

inline constexpr std::int32_t jpegbuffersize = 1000000;

// The JPEG transfer of the picture that campict describes into path. jpegsize receives the
// size of the JPEG; a JPEG larger than the usual buffer is fetched again into one that fits.
std::optional<DownloadFailure> jpegtransfer(CameraBridge& bridge, TQILCameraRec& session,
                                            CameraPictInfo& campict, const CameraSelection& selection,
                                            std::int32_t quality, std::int32_t& jpegsize, const std::string& path);

// The native transfer into path: exactly the picture-size bytes the camera delivered.
std::optional<DownloadFailure> nativetransfer(CameraBridge& bridge, TQILCameraRec& session,
                                              CameraPictInfo& campict, const CameraSelection& selection,
                                              const std::string& path);

struct Download {
  std::string path;  // the picture's file: base.JPG, or base.TQN with base.JPG beside it
  std::optional<DownloadFailure> failure;  // set when nothing was kept
};

// Reads the picture information of picture `number` and transfers it in the image format
// (0 JPEG, 1 native) into dir + "/" + base. Files of a failed download are removed.
Download downloadpicture(CameraBridge& bridge, TQILCameraRec& session, CameraPictInfo& campict,
                         CameraSelection& selection, std::int16_t number, int imgformat, std::int32_t quality,
                         std::int32_t& jpegsize, const std::string& dir, const std::string& base);

// A picture base name of at most 8 characters for which none of the files dir/name.ext
// exists: base itself, else base with its last character, then its last two, replaced by
// letters, so that two imports within one minute never share files.
std::string freshname(const std::string& dir, const std::string& base,
                      std::initializer_list<std::string_view> exts);

}  // namespace fotivo
