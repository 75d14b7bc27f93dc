#include "camera/camera_errors.h"

#include <algorithm>
#include <iterator>

namespace fotivo {

namespace {

struct ErrorName {
  std::int16_t code;
  const char* name;
};

// "TQ_NotROMMode" has no code of its own: the codes without a name stay unknown.
constexpr ErrorName errornames[] = {
    {0, "TQ_NoErr"},
    {-1000, "TQ_BadArgError"},
    {-1001, "TQ_BadCloseError"},
    {-1002, "TQ_CameraNotConnected"},
    {-1003, "TQ_CameraFunctionNotSupported"},
    {-1004, "TQ_CancelCallback"},
    {-1005, "TQ_CardNotFound"},
    {-1006, "TQ_CommunicationError"},
    {-1009, "TQ_ImageProcessError"},
    {-1010, "TQ_InvalidFWError"},
    {-1011, "TQ_MallocError"},
    {-1013, "TQ_NotOpenError"},
    {-1016, "TQ_ReOpenError"},
    {-1017, "TQ_ROMModeError"},
    {-1018, "TQ_ROMModeOpen"},
    {-1019, "TQ_SDKVersionError"},
    {-1020, "TQ_SystemError"},
    {-1021, "TQ_CameraNotEmpty"},
    {-1022, "TQ_MemoryFullError"},
    {-1023, "TQ_CannotHandleCameraType"},
    {-1024, "TQ_FunctionNotSupported"},
    {-1025, "TQ_SpecificSDKError"},
};

}  // namespace

std::string camerrname(const std::int16_t& code) {
  const auto* found = std::find_if(std::begin(errornames), std::end(errornames),
                                   [&](const ErrorName& entry) { return entry.code == code; });
  return found == std::end(errornames) ? "Unknown Error Code." : found->name;
}

std::string camerrmessage(std::string_view operation, std::int16_t code) {
  return std::string(operation) + camerrname(code);
}

}  // namespace fotivo
