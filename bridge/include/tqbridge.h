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

/* Type-specific records: their meaning belongs to the SDK, so fields are named by their
 * offset in the flat record. spare bytes are never read or written. */
typedef struct TQILStatusA { int32_t at0; int16_t at4, at6, at8; } TQILStatusA;
typedef struct TQILStatusB {
  int32_t at0;
  int16_t at4, at6;
  int16_t values[18]; /* offsets 8 to 42 */
  uint8_t block[12];
} TQILStatusB;
typedef struct TQILStatusC {
  int32_t at0;
  int16_t at4, at6, at8, at10;
  int16_t values[13]; /* offsets 12 to 36 */
  uint8_t block[12];
} TQILStatusC;

/* The general configuration: nine values, followed in the caller's memory by the text area
 * that the SDK fills or reads in place. */
typedef struct TQILConfigRec {
  int16_t values[9];
} TQILConfigRec;
/* In the type-specific configuration, at2, at18, at32 to at38 and at44 of A, at20 and at38
 * of B, at20, at40 and at42 of C are boolean: nonzero reaches the SDK as 1. */
typedef struct TQILConfigA {
  int16_t at0, at2;
  int32_t at4, at8, at12;
  uint8_t spare16[2];
  int16_t at18;
  int32_t at20, at24, at28;
  int16_t at32, at34, at36, at38;
  int32_t at40;
  int16_t at44;
  uint8_t spare46[2];
  int32_t at48;
  int16_t at52;
} TQILConfigA;
typedef struct TQILConfigB {
  int16_t at0;
  uint8_t spare2[2];
  int32_t at4, at8, at12, at16;
  int16_t at20;
  uint8_t spare22[2];
  int32_t at24;
  int16_t at28, at30;
  int32_t at32;
  int16_t at36, at38;
} TQILConfigB;
typedef struct TQILConfigC {
  int16_t at0, at2;
  int32_t at4, at8, at12, at16;
  int16_t at20;
  uint8_t spare22[2];
  int32_t at24;
  int16_t at28, at30;
  int32_t at32, at36;
  int16_t at40, at42;
  int32_t at44;
} TQILConfigC;

typedef struct TQILImageProcRec {
  uint8_t spare[8];
  int32_t at8, at12;
  int16_t at16, at18; /* boolean */
  int32_t at20;
  int32_t words[22]; /* offsets 24 to 108 */
} TQILImageProcRec;

typedef struct TQILOutputWindowRec {
  int16_t values[4];
  int32_t words[2];
} TQILOutputWindowRec;

typedef struct TQILPictInfoRec {
  int16_t number;
  int16_t thumbwidth, thumbheight; /* columns and rows of the thumbnail */
  uint8_t spare[2];
  int32_t word1, word2;
  int32_t picturesize; /* bytes of the native form */
  int32_t workingsize; /* bytes the source buffer of a JPEG transfer needs */
  int32_t word5;
  int16_t seconds, minutes, hours, day, month, year;
  int16_t value1, value2, value3;
} TQILPictInfoRec;

/* Type-specific picture information. The orientation code (0 to 3; 1 and 3 swap the
 * thumbnail's width and height) lies at offset 8 of A and 36 of B and C. */
typedef struct TQILPictInfoA {
  int32_t word1;
  int16_t value2, value3;
  int32_t orientation;
} TQILPictInfoA;
/* B and C also read as bytes; TQIL_ORIENTATION_BC is the orientation's offset in both. */
#pragma pack(push, 1)
typedef struct TQILPictInfoB {
  union {
    uint8_t bytes[67];
    struct {
      int32_t at0;
      int16_t at4;
      uint8_t spare6[2];
      int32_t at8, at12, at16;
      int16_t at20;
      uint8_t spare22[2];
      int32_t at24;
      int16_t at28;
      uint8_t spare30[2];
      int32_t at32, orientation;
      int16_t at40;
      uint8_t spare42[2];
      int32_t at44, at48;
      int16_t at52, at54, at56;
      uint8_t name[9];
    };
  };
} TQILPictInfoB;
typedef struct TQILPictInfoC {
  union {
    uint8_t bytes[161];
    struct {
      int32_t at0;
      int16_t at4;
      uint8_t spare6[2];
      int32_t at8, at12, at16;
      int16_t at20;
      uint8_t spare22[2];
      int32_t at24;
      int16_t at28;
      uint8_t spare30[2];
      int32_t at32, orientation, at40, at44;
      int16_t at48;
      uint8_t spare50[6];
      int32_t words[24]; /* offsets 56 to 148 */
      uint8_t block[9];
    };
  };
} TQILPictInfoC;
#pragma pack(pop)
enum { TQIL_ORIENTATION_BC = 36 };

typedef struct TQILPreviewInfoRec {
  int16_t values[2];
  int32_t words[4];
} TQILPreviewInfoRec;

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

TQIL_STATIC_ASSERT(sizeof(TQILStatusA) == 10 && sizeof(TQILStatusB) == 56 && sizeof(TQILStatusC) == 50,
                   "status record sizes");
TQIL_STATIC_ASSERT(offsetof(TQILStatusA, at8) == 8, "TQILStatusA layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusB, values) == 8 && offsetof(TQILStatusB, block) == 44, "TQILStatusB layout");
TQIL_STATIC_ASSERT(offsetof(TQILStatusC, values) == 12 && offsetof(TQILStatusC, block) == 38, "TQILStatusC layout");
TQIL_STATIC_ASSERT(sizeof(TQILConfigRec) == 18, "TQILConfigRec size");
TQIL_STATIC_ASSERT(sizeof(TQILConfigA) == 54 && sizeof(TQILConfigB) == 40 && sizeof(TQILConfigC) == 48,
                   "configuration record sizes");
TQIL_STATIC_ASSERT(offsetof(TQILConfigA, spare16) == 16 && offsetof(TQILConfigA, at20) == 20 &&
                       offsetof(TQILConfigA, at32) == 32 && offsetof(TQILConfigA, at44) == 44 &&
                       offsetof(TQILConfigA, at48) == 48 && offsetof(TQILConfigA, at52) == 52,
                   "TQILConfigA layout");
TQIL_STATIC_ASSERT(offsetof(TQILConfigB, at20) == 20 && offsetof(TQILConfigB, at24) == 24 &&
                       offsetof(TQILConfigB, at32) == 32 && offsetof(TQILConfigB, at38) == 38,
                   "TQILConfigB layout");
TQIL_STATIC_ASSERT(offsetof(TQILConfigC, at20) == 20 && offsetof(TQILConfigC, at36) == 36 &&
                       offsetof(TQILConfigC, at42) == 42 && offsetof(TQILConfigC, at44) == 44,
                   "TQILConfigC layout");
TQIL_STATIC_ASSERT(offsetof(TQILImageProcRec, at8) == 8 && offsetof(TQILImageProcRec, at16) == 16 &&
                       offsetof(TQILImageProcRec, at20) == 20 && offsetof(TQILImageProcRec, words) == 24,
                   "TQILImageProcRec layout");
TQIL_STATIC_ASSERT(sizeof(TQILImageProcRec) == 112, "TQILImageProcRec size");
TQIL_STATIC_ASSERT(sizeof(TQILOutputWindowRec) == 16, "TQILOutputWindowRec size");
TQIL_STATIC_ASSERT(offsetof(TQILOutputWindowRec, words) == 8, "TQILOutputWindowRec layout");
TQIL_STATIC_ASSERT(sizeof(TQILPictInfoRec) == 46, "TQILPictInfoRec size");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, thumbwidth) == 2, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, thumbheight) == 4, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, spare) == 6, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, word1) == 8, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, picturesize) == 16, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, workingsize) == 20, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, word5) == 24, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, seconds) == 28, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, year) == 38, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoRec, value3) == 44, "TQILPictInfoRec layout");
TQIL_STATIC_ASSERT(sizeof(TQILPictInfoA) == 12 && offsetof(TQILPictInfoA, orientation) == 8, "TQILPictInfoA");
TQIL_STATIC_ASSERT(sizeof(TQILPictInfoB) == 67 && sizeof(TQILPictInfoC) == 161, "picture record sizes");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoB, at20) == 20 && offsetof(TQILPictInfoB, at28) == 28 &&
                       offsetof(TQILPictInfoB, orientation) == TQIL_ORIENTATION_BC &&
                       offsetof(TQILPictInfoB, at40) == 40 && offsetof(TQILPictInfoB, at44) == 44 &&
                       offsetof(TQILPictInfoB, at52) == 52 && offsetof(TQILPictInfoB, name) == 58,
                   "TQILPictInfoB layout");
TQIL_STATIC_ASSERT(offsetof(TQILPictInfoC, orientation) == TQIL_ORIENTATION_BC &&
                       offsetof(TQILPictInfoC, at48) == 48 && offsetof(TQILPictInfoC, spare50) == 50 &&
                       offsetof(TQILPictInfoC, words) == 56 && offsetof(TQILPictInfoC, block) == 152,
                   "TQILPictInfoC layout");
TQIL_STATIC_ASSERT(sizeof(TQILPreviewInfoRec) == 20 && offsetof(TQILPreviewInfoRec, words) == 4,
                   "TQILPreviewInfoRec");

TQIL_API int16_t TQIL_CALL TQILOpenDriver(uintptr_t value, TQILDriverRec* driver);
TQIL_API int16_t TQIL_CALL TQILCloseDriver(TQILDriverRec* driver);
TQIL_API int16_t TQIL_CALL TQILOpenCamera(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILCloseCamera(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILResetCamera(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILGetStatus(TQILCameraRec* camera, TQILStatusRec* status, void* specific);

TQIL_API int16_t TQIL_CALL TQILGetConfig(TQILCameraRec* camera, TQILConfigRec* config, void* specific);
TQIL_API int16_t TQIL_CALL TQILSetConfig(TQILCameraRec* camera, TQILConfigRec* config, void* specific);
TQIL_API int16_t TQIL_CALL TQILGetImageProcessing(TQILCameraRec* camera, TQILImageProcRec* settings);
TQIL_API int16_t TQIL_CALL TQILSetImageProcessing(TQILCameraRec* camera, TQILImageProcRec* settings);
TQIL_API int16_t TQIL_CALL TQILGetOutputWindow(TQILCameraRec* camera, TQILOutputWindowRec* window);
TQIL_API int16_t TQIL_CALL TQILSetOutputWindow(TQILCameraRec* camera, TQILOutputWindowRec* window);
TQIL_API int16_t TQIL_CALL TQILTakePicture(TQILCameraRec* camera, int32_t selector, int32_t flag, void* thumbnail,
                                           TQILPictInfoRec* info, void* specific);
TQIL_API int16_t TQIL_CALL TQILDeletePicture(TQILCameraRec* camera, int32_t selector, int32_t value1, int32_t value2);
TQIL_API int16_t TQIL_CALL TQILCopyMemToCard(TQILCameraRec* camera, int32_t value1, int32_t value2);
TQIL_API int16_t TQIL_CALL TQILGetCameraPictInfo(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                 int32_t number, int32_t flag, void* thumbnail,
                                                 TQILPictInfoRec* info, void* specific);
TQIL_API int16_t TQIL_CALL TQILGetNativeCameraType(TQILCameraRec* camera, int32_t size, void* data, int32_t* type);
TQIL_API int16_t TQIL_CALL TQILGetNativePictInfo(TQILCameraRec* camera, int32_t size, void* data, int32_t flag,
                                                 void* thumbnail, TQILPictInfoRec* info, void* specific);
TQIL_API int16_t TQIL_CALL TQILGetCameraPicture(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                TQILPictInfoRec* info, int32_t size1, void* address1,
                                                int32_t size2, void* address2);
TQIL_API int16_t TQIL_CALL TQILGetNativePicture(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                TQILPictInfoRec* info, int32_t size, void* address);
TQIL_API int16_t TQIL_CALL TQILProcNativePicture(TQILCameraRec* camera, TQILPictInfoRec* info, int32_t size1,
                                                 void* address1, int32_t size2, void* address2);
TQIL_API int16_t TQIL_CALL TQILGetCameraPictureAsJPEG(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                      TQILPictInfoRec* info, int32_t quality, int32_t* jpegsize,
                                                      int32_t size1, void* address1, int32_t size2,
                                                      void* address2);
TQIL_API int16_t TQIL_CALL TQILProcNativePictureAsJPEG(TQILCameraRec* camera, TQILPictInfoRec* info, int32_t quality,
                                                       int32_t* jpegsize, int32_t size1, void* address1,
                                                       int32_t size2, void* address2);
/* Draws a device-independent bitmap (rows bottom-up, padded to 4 bytes; 8 bits per point as
 * a grey ramp) onto a device context; always returns 0. */
TQIL_API int16_t TQIL_CALL TransferBitmap(int32_t reserved, void* dc, int32_t width, int32_t height,
                                          int32_t bitcount, void* bits);
TQIL_API int16_t TQIL_CALL TQILPreviewGetInfo(TQILCameraRec* camera, TQILPreviewInfoRec* info);
TQIL_API int16_t TQIL_CALL TQILPreviewGetPicture(TQILCameraRec* camera, int32_t size1, void* address1,
                                                 int32_t size2, void* address2);
TQIL_API int16_t TQIL_CALL TQILPreviewStore(TQILCameraRec* camera, int32_t selector, int32_t flag, void* thumbnail,
                                            TQILPictInfoRec* info, TQILPictInfoB* specific);
TQIL_API int16_t TQIL_CALL TQILPreviewErase(TQILCameraRec* camera);
TQIL_API int16_t TQIL_CALL TQILAlbumGetAvailable(TQILCameraRec* camera, uintptr_t value);
TQIL_API int16_t TQIL_CALL TQILAlbumSetAvailable(TQILCameraRec* camera, uintptr_t value);
TQIL_API int16_t TQIL_CALL TQILAlbumSetActive(TQILCameraRec* camera, int32_t album);
TQIL_API int16_t TQIL_CALL TQILAlbumGetAllName(TQILCameraRec* camera, uintptr_t value1, uintptr_t value2);
TQIL_API int16_t TQIL_CALL TQILAlbumErase(TQILCameraRec* camera, uintptr_t value, int32_t album);
TQIL_API int16_t TQIL_CALL TQILAlbumChangeName(TQILCameraRec* camera, uintptr_t value1, int32_t album,
                                               uintptr_t value2);
TQIL_API int16_t TQIL_CALL TQILAlbumGetPictureName(TQILCameraRec* camera, uintptr_t value1, int32_t number,
                                                   uintptr_t value2);
TQIL_API int16_t TQIL_CALL TQILAlbumMoveImage(TQILCameraRec* camera, uintptr_t value, int32_t v1, int32_t v2,
                                              int32_t v3);

#ifdef __cplusplus
}
#endif

#endif
