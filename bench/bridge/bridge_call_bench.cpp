// The bridge's own cost per call: the same status call made through the export and made
// straight to the SDK with records built once; the difference is the export's frame and
// conversions.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "tests/bridge/fake_sdk.h"
#include "tqbridge.h"
#include "tqsdk32.h"

namespace {

constexpr int rounds = 20, calls = 10000;

template <typename Call>
double nanosecondsPerCall(Call call) {
  double best = 1e30;
  for (int r = 0; r < rounds; ++r) {
    fakeSdk()->calls.clear();
    fakeSdk()->calls.reserve(calls);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) call();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / calls);
  }
  return best;
}

}  // namespace

int main() {
  TQILCameraRec camera{};
  camera.driver.driverword = camera.driver.cameratype = camera.cameratype = camera.cameratype2 = 104;
  TQILStatusRec status{};
  TQILStatusC specific{};
  const double bridged = nanosecondsPerCall([&] { TQILGetStatus(&camera, &status, &specific); });

  TQDriverRec driver{104, 104, 0, 0, 0};
  TQCameraRec sdkCamera{&driver, 0, 104, camera.area, 0, 104, 0};
  TQStatusRec sdkStatus{};
  TQStatusC sdkSpecific{};
  const double direct = nanosecondsPerCall([&] { TQGetStatus(&sdkCamera, &sdkStatus, &sdkSpecific); });

  std::printf("status through the bridge: %.1f ns per call\n", bridged);
  std::printf("status straight to the SDK: %.1f ns per call\n", direct);
  std::printf("the bridge's own cost: %.1f ns per call (goal: under 1000)\n", bridged - direct);
  return 0;
}
