/* The camera interface layer: flat records that hold no addresses, byte-exact on every
 * target, and the exports that carry them to the camera SDK. Every export returns a 16-bit
 * result code: 0 success, -1000 bad argument, -1003 not supported, else the SDK's code. */
#ifndef TQBRIDGE_H
#define TQBRIDGE_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) || defined(__i386__)
#define TQIL_CALL __attribute__((stdcall))
#else
#define TQIL_CALL
#endif
#if defined(_WIN32)
#define TQIL_API
#else
#define TQIL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define TQIL_STATIC_ASSERT static_assert
extern "C" {
#else
#define TQIL_STATIC_ASSERT _Static_assert
#endif

enum { TQ_NoErr = 0, TQ_BadArgError = -1000, TQ_CameraFunctionNotSupported = -1003 };

#pragma pack(push, 2)

typedef struct TQILDriverRec {
  int32_t driverword; /* the host sets it to the camera type code before opening */
  int32_t cameratype;
  int16_t value1, value2, value3;
} TQILDriverRec;

typedef struct TQILCameraRec {
  TQILDriverRec driver;
  uint8_t spare[2]; /* never read or written */
  int32_t port;     /* 0 automatic, 1 to 4 */
  int32_t cameratype;
  uint8_t area[36]; /* the SDK works on these bytes directly */
  int32_t cameraword;
  int32_t cameratype2;
  int32_t bitrate; /* in units of 100 bit/s, 0 automatic */
} TQILCameraRec;

typedef struct TQILStatusRec {
  int16_t seconds, minutes, hours, day, month, year;
  int16_t value1, value2, value3;
  uint8_t gap[2]; /* not copied */
  int32_t word1;
  int16_t pictures;
  int16_t value4, value5, value6, value7, value8, value9, value10;
  int32_t word2, word3;
} TQILStatusRec;

#pragma pack(pop)

TQIL_STATIC_ASSERT(sizeof(TQILDriverRec) == 14, "TQILDriverRec size");
TQIL_STATIC_ASSERT(offsetof(TQILDriverRec, cameratype) == 4, "TQILDriverRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILDriverRec, value1) == 8, "TQILDriverRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILDriverRec, value3) == 12, "TQILDriverRec layout");
TQIL_STATIC_ASSERT(sizeof(TQILCameraRec) == 72, "TQILCameraRec size");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, spare) == 14, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, port) == 16, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, cameratype) == 20, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, area) == 24, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, cameraword) == 60, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, cameratype2) == 64, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILCameraRec, bitrate) == 68, "TQILCameraRec layout");
TQIL_STATIC_ASSERT(sizeof(TQILStatusRec) == 48, "TQILStatusRec size");
TQIL_STATIC_ASSERT(offsetof(TQILStatusRec, gap) == 18, "TQILStatusRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusRec, word1) == 20, "TQILStatusRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusRec, pictures) == 24, "TQILStatusRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusRec, value10) == 38, "TQILStatusRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusRec, word2) == 40, "TQILStatusRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusRec, word3) == 44, "TQILStatusRec layout");

TQIL_API int16_t TQIL_CALL TQILOpenDriver(uintptr_t value, TQILDriverRec* driver);
TQIL_API int16_t TQIL_CALL TQILCloseDriver(TQILDriverRec* driver);
TQIL_API int16_t TQIL_CALL TQILOpenCamera(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILCloseCamera(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILResetCamera(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILGetStatus(TQILCameraRec* camera, TQILStatusRec* status, void* specific);

#ifdef __cplusplus
}
#endif

#endif
