#include "camera/picture_download.h"

#include <filesystem>
#include <new>
#include <string_view>
#include <vector>

#include "camera/camera_bridge.h"
#include "camera/camera_errors.h"
#include "library/atomic_file.h"
#include "library/paths.h"

namespace fotivo {

namespace {

std::optional<DownloadFailure> camerafailure(std::string_view operation, std::int16_t code) {
  return DownloadFailure{camerrmessage(operation, code), true};
}

std::optional<DownloadFailure> writefile(const std::string& path, const std::vector<std::uint8_t>& buffer,
                                         std::size_t size) {
  Problems problems =
      writefileatomic(path, std::string_view(reinterpret_cast<const char*>(buffer.data()), size));
  if (problems.empty()) return std::nullopt;
  return DownloadFailure{problems.front().message, false};
}

// A buffer of size + 1 bytes for a size the camera reported.
std::optional<DownloadFailure> allocate(std::vector<std::uint8_t>& buffer, std::int32_t size,
                                        std::string_view what) {
  if (size <= 0)
    return DownloadFailure{"The camera reported " + std::to_string(size) + " bytes for the " +
                               std::string(what) + ".",
                           false};
  try {
    buffer.assign(std::size_t(size) + 1, 0);
  } catch (const std::bad_alloc&) {
    return DownloadFailure{"There is not enough memory for the " + std::to_string(size) + " bytes of the " +
                               std::string(what) + ".",
                           false};
  }
  return std::nullopt;
}

constexpr std::int16_t memoryfull = -1022;

}  // namespace

std::optional<DownloadFailure> jpegtransfer(CameraBridge& bridge, TQILCameraRec& session, CameraPictInfo& campict,
                                            const CameraSelection& selection, std::int32_t quality,
                                            std::int32_t& jpegsize, const std::string& path) {
  std::vector<std::uint8_t> source, jpeg;
  if (auto failure = allocate(source, campict.general.workingsize, "picture")) return failure;
  std::int32_t jpegcapacity = jpegbuffersize;
  for (bool retried = false;; retried = true) {
    if (auto failure = allocate(jpeg, jpegcapacity, "JPEG picture")) return failure;
    const std::int16_t code = bridge.getcamerapictureasjpeg(
        &session, selection.camselect1, selection.camselect2, &campict.general, quality, &jpegsize,
        campict.general.workingsize, source.data(), jpegcapacity, jpeg.data());
    // A JPEG that does not fit comes with the size it needs: fetch it once more into that.
    if (code == memoryfull && !retried && jpegsize > jpegcapacity) {
      jpegcapacity = jpegsize;
      continue;
    }
    if (code != 0) return camerafailure("Get JPEG picture ", code);
    break;
  }
  if (jpegsize <= 0 || jpegsize > jpegcapacity)
    return DownloadFailure{"The camera reported a JPEG picture of " + std::to_string(jpegsize) + " bytes.",
                           false};
  return writefile(path, jpeg, std::size_t(jpegsize));
}

std::optional<DownloadFailure> nativetransfer(CameraBridge& bridge, TQILCameraRec& session,
                                              CameraPictInfo& campict, const CameraSelection& selection,
                                              const std::string& path) {
  const std::int32_t size = campict.general.picturesize;
  std::vector<std::uint8_t> buffer;
  if (auto failure = allocate(buffer, size, "picture")) return failure;
  const std::int16_t code = bridge.getnativepicture(&session, selection.camselect1, selection.camselect2,
                                                    &campict.general, size, buffer.data());
  if (code != 0) return camerafailure("Get native picture ", code);
  return writefile(path, buffer, std::size_t(size));
}

Download downloadpicture(CameraBridge& bridge, TQILCameraRec& session, CameraPictInfo& campict,
                         CameraSelection& selection, std::int16_t number, int imgformat, std::int32_t quality,
                         std::int32_t& jpegsize, const std::string& dir, const std::string& base) {
  Download download;
  std::vector<std::uint8_t> work(thumbnailbuffersize(session.driver.cameratype));
  if (imgformat == 0) {
    download.path = dir + "/" + base + ".JPG";
    selection = {1, -1};
  } else {
    download.path = dir + "/" + base + ".TQN";
  }
  const std::int16_t code =
      bridge.getcamerapictinfo(&session, selection.camselect1, selection.camselect2, number, 0, work.data(),
                               &campict.general, campict.specific(session.driver.cameratype));
  if (code != 0) {
    download.failure = camerafailure("Get picture ", code);
    return download;
  }
  if (imgformat == 0) {
    download.failure = jpegtransfer(bridge, session, campict, selection, quality, jpegsize, download.path);
    return download;
  }
  download.failure = nativetransfer(bridge, session, campict, selection, download.path);
  if (download.failure) return download;
  const std::string companion = companionpath(download.path);
  download.failure = jpegtransfer(bridge, session, campict, selection, quality, jpegsize, companion);
  // A native picture without its JPEG copy cannot be shown: keep neither.
  if (download.failure) removefile(download.path);
  return download;
}

std::string freshname(const std::string& dir, const std::string& base,
                      std::initializer_list<std::string_view> exts) {
  const auto taken = [&](const std::string& name) {
    std::error_code error;
    for (std::string_view ext : exts)
      if (std::filesystem::exists(dir + "/" + name + "." + std::string(ext), error)) return true;
    return false;
  };
  const std::string stem = base.substr(0, 8);
  if (!taken(stem)) return stem;
  static constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (std::size_t replaced = 1; replaced <= 2 && replaced <= stem.size(); ++replaced) {
    const std::string kept = stem.substr(0, stem.size() - replaced);
    const std::size_t count = replaced == 1 ? letters.size() : letters.size() * letters.size();
    for (std::size_t n = 0; n < count; ++n) {
      std::string name = kept;
      if (replaced == 2) name += letters[n / letters.size()];
      name += letters[n % letters.size()];
      if (!taken(name)) return name;
    }
  }
  return {};
}

}  // namespace fotivo
