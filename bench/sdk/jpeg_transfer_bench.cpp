// A 1600x1200 picture from the simulated camera as JPEG through the bridge, as the camera
// window asks for it, side by side in one run with `cjpeg -quality 75` of the same pixels
// run as a process. Goal: within 1.2x of cjpeg.
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sdk/card.h"
#include "tqbridge.h"

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr uint32_t width = 1600, height = 1200;
constexpr int rounds = 15;

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

bool run_cjpeg(const std::string& ppm, const std::string& out) {
  const char* argv[] = {"cjpeg", "-quality", "75", "-outfile", out.c_str(), ppm.c_str(), nullptr};
  pid_t pid;
  if (posix_spawnp(&pid, "cjpeg", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return false;
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main() {
  std::string pattern = (fs::temp_directory_path() / "tqsdk-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  const fs::path root = pattern, card = root / "card";
  fs::create_directories(card);
  if (!tqsdk::shoot(card / tqsdk::picture_name(1), 1, {width, height, 0}, 104, tqsdk::stamp_now())) return 1;

  // The same pixels as a PPM file for cjpeg.
  const auto native = tqsdk::read_file(card / tqsdk::picture_name(1), 1ull << 30);
  const std::string ppm = (root / "picture.ppm").string(), cjpegout = (root / "cjpeg.jpg").string();
  {
    std::ofstream out(ppm, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(native->data() + tqsdk::native_header_size),
              std::streamsize(native->size() - tqsdk::native_header_size));
  }

  setenv("TQSDK_CARD", card.c_str(), 1);
  unsetenv("TQSDK_PORT");
  // The host's session record, prepared from its camera settings.
  TQILCameraRec cam{};
  cam.driver.driverword = cam.driver.cameratype = 104;
  cam.port = 1;
  cam.cameratype = cam.cameratype2 = 104;
  cam.bitrate = 1152;
  const int16_t version = 256;
  TQILPictInfoRec info{};
  TQILPictInfoC specific{};
  std::vector<uint8_t> thumbnail(14401);
  if (TQILOpenDriver(reinterpret_cast<uintptr_t>(&version), &cam.driver) != 0 || TQILOpenCamera(&cam) != 0 ||
      TQILGetCameraPictInfo(&cam, 1, -1, 1, 0, thumbnail.data(), &info, &specific) != 0) {
    std::fprintf(stderr, "the camera did not open\n");
    return 1;
  }
  // The host's buffers: the source by the working size, the JPEG buffer of 1000000 bytes.
  std::vector<uint8_t> source(size_t(info.workingsize) + 1), jpeg(1000000 + 1);
  int32_t jpegsize = 0;

  std::vector<double> camera, cjpeg;
  for (int round = -1; round < rounds; ++round) {  // round -1 warms both up
    auto start = Clock::now();
    const int16_t code = TQILGetCameraPictureAsJPEG(&cam, 1, -1, &info, 1, &jpegsize, info.workingsize,
                                                    source.data(), 1000000, jpeg.data());
    const double cameratime = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    start = Clock::now();
    const bool ran = run_cjpeg(ppm, cjpegout);
    const double cjpegtime = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (code != 0 || !ran) {
      std::fprintf(stderr, "transfer %d, cjpeg %s\n", code, ran ? "ran" : "failed");
      return 1;
    }
    if (round >= 0) {
      camera.push_back(cameratime);
      cjpeg.push_back(cjpegtime);
    }
  }
  TQILCloseCamera(&cam);
  TQILCloseDriver(&cam.driver);

  const double ratio = median(camera) / median(cjpeg);
  std::printf("1600x1200 to JPEG, median of %d rounds\n", rounds);
  std::printf("  camera transfer via bridge %7.2f ms  %7d bytes\n", median(camera), jpegsize);
  std::printf("  cjpeg -quality 75 process  %7.2f ms  %7ju bytes\n", median(cjpeg),
              uintmax_t(fs::file_size(cjpegout)));
  std::printf("  ratio %.2f (goal: at most 1.20) %s\n", ratio, ratio <= 1.2 ? "met" : "NOT MET");
  fs::remove_all(root);
  return 0;
}
