#include <gtest/gtest.h>

#include "camera/bridge_binding.h"
#include "camera/camerrname.h"

namespace fotivo {
namespace {

TEST(Camerrname, NamesEveryKnownCodeAndNoOther) {
  const std::pair<int16_t, const char*> cases[] = {
      {0, "TQ_NoErr"},
      {-1000, "TQ_BadArgError"},
      {-1002, "TQ_CameraNotConnected"},
      {-1003, "TQ_CameraFunctionNotSupported"},
      {-1004, "TQ_CancelCallback"},
      {-1022, "TQ_MemoryFullError"},
      {-1025, "TQ_SpecificSDKError"},
      {-1007, "Unknown Error Code."},
      {-1008, "Unknown Error Code."},
      {-1012, "Unknown Error Code."},
      {-1014, "Unknown Error Code."},
      {-1015, "Unknown Error Code."},
      {-1026, "Unknown Error Code."},
      {1, "Unknown Error Code."},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(camerrname(code), name) << code;
  EXPECT_EQ(cameramessage(openCameraWord, -1002), "Open camera TQ_CameraNotConnected");
}

TEST(BridgeBinding, AMissingLibraryOrExportIsNamed) {
  BridgeBinding missing("/nonexistent/libtqbridge.so");
  try {
    missing.bind<decltype(&TQILOpenCamera)>("_TQILOpenCamera@4");
    FAIL() << "bound from a missing library";
  } catch (const BridgeError& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent/libtqbridge.so"), std::string::npos);
  }
  BridgeBinding libc("libc.so.6");
  EXPECT_THROW(libc.bind<decltype(&TQILOpenCamera)>("_TQILOpenCamera@4"), BridgeError);
  EXPECT_THROW(libc.bind<decltype(&TQILOpenCamera)>("_TQILOpenCamera@8"), BridgeError) << "4 bytes per parameter";
  EXPECT_THROW(libc.bind<decltype(&TQILOpenCamera)>("TQILOpenCamera"), BridgeError);
}

}  // namespace
}  // namespace fotivo
