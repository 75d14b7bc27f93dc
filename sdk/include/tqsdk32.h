/* The camera SDK's C interface: its records in natural alignment, with addresses where the
 * SDK takes them, and its 35 functions (stdcall on 32-bit x86). */
#ifndef TQSDK32_H
#define TQSDK32_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) || defined(__i386__)
#define TQ_CALL __attribute__((stdcall))
#else
#define TQ_CALL
#endif
#if defined(_WIN32)
#define TQ_API
#else
#define TQ_API __attribute__((visibility("default")))
#endif
#ifdef __cplusplus
extern "C" {
#endif
typedef struct TQDriverRec { int32_t driverword, cameratype, value1, value2, value3; } TQDriverRec;
typedef struct TQCameraRec { TQDriverRec* driver; int32_t port, cameratype; uint8_t* area; int32_t cameraword, cameratype2, bitrate; } TQCameraRec;
/* General status: the flat layout, naturally aligned. */
typedef struct TQStatusRec {
  int16_t seconds, minutes, hours, day, month, year;
  int16_t value1, value2, value3;
  int16_t gap;
  int32_t word1;
  int16_t pictures;
  int16_t value4, value5, value6, value7, value8, value9, value10;
  int32_t word2, word3;
} TQStatusRec;
typedef struct TQConfigRec { int16_t values[9]; int16_t gap; void* text; } TQConfigRec;
typedef struct TQImageProcRec {
  int32_t at0, at4, at8, at12, at16, at20; /* at0 and at12 are boolean words */
  int32_t words[22];                       /* offsets 24 to 108 */
} TQImageProcRec;
typedef struct TQOutputWindowRec { int16_t values[4]; int32_t words[2]; } TQOutputWindowRec;
typedef struct TQPictInfoRec { int16_t number, thumbwidth, thumbheight; void* thumbnail; int32_t word1, word2, picturesize, workingsize, word5; int16_t seconds, minutes, hours, day, month, year, value1, value2, value3; } TQPictInfoRec;
typedef struct TQPreviewInfoRec { int16_t values[2]; int32_t words[4]; } TQPreviewInfoRec;

/* The type-specific records of the camera types 100 (A), 101 (B) and 104 (C) hold no
 * address and have one byte layout on every target; fields are named by their offset. */
#pragma pack(push, 1)
typedef struct TQStatusA { int32_t at0, at4; int16_t at8, at10; } TQStatusA;
typedef struct TQStatusB {
  int32_t at0, at4, at8;
  int16_t values[18]; /* offsets 12 to 46 */
  uint8_t block[12];
} TQStatusB;
typedef struct TQStatusC {
  int32_t at0, at4, at8, at12, at16;
  int16_t values[13]; /* offsets 20 to 44 */
  uint8_t block[12];
} TQStatusC;
typedef struct TQConfigA {
  int16_t at0;
  uint8_t gap2[2];
  int32_t at4, at8, at12, at16, at20, at24, at28, at32, at36, at40, at44, at48, at52, at56, at60;
  int16_t at64;
} TQConfigA;
typedef struct TQConfigB {
  int16_t at0;
  uint8_t gap2[2];
  int32_t at4, at8, at12, at16, at20, at24;
  int16_t at28, at30;
  int32_t at32;
  int16_t at36;
  uint8_t gap38[2];
  int32_t at40;
} TQConfigB;
typedef struct TQConfigC {
  int16_t at0, at2;
  int32_t at4, at8, at12, at16, at20, at24;
  int16_t at28, at30;
  int32_t at32, at36, at40, at44, at48;
} TQConfigC;
typedef struct TQPictInfoA {
  int32_t at0, at4;
  int16_t at8;
  uint8_t gap10[2];
  int32_t orientation; /* 0 to 3; 1 and 3 swap the thumbnail's width and height */
} TQPictInfoA;
typedef struct TQPictInfoB {
  int32_t at0, at4, at8, at12, at16, at20, at24;
  int16_t at28;
  uint8_t gap30[2];
  int32_t at32, orientation;
  int16_t at40;
  uint8_t gap42[2];
  int32_t at44, at48;
  int16_t at52, at54, at56;
  uint8_t name[9];
} TQPictInfoB;
typedef struct TQPictInfoC {
  int32_t at0, at4, at8, at12, at16, at20, at24;
  int16_t at28;
  uint8_t gap30[2];
  int32_t at32, orientation, at40, at44;
  int16_t at48;
  uint8_t gap50[6];
  int32_t words[24]; /* offsets 56 to 148 */
  uint8_t block[9];
} TQPictInfoC;
#pragma pack(pop)
typedef struct TQMemBlock { void* address; int32_t size, zero1, zero2; } TQMemBlock;
typedef struct TQTransferExtra { int32_t zero1, zero2; } TQTransferExtra;

#ifdef __cplusplus
#define TQ_STATIC_ASSERT static_assert
#else
#define TQ_STATIC_ASSERT _Static_assert
#endif
#if defined(__i386__) || defined(_WIN32)
#define TQ_WORD 4 /* an address takes one 32-bit word */
#else
#define TQ_WORD 8
#endif
TQ_STATIC_ASSERT(sizeof(TQDriverRec) == 20, "TQDriverRec size");
TQ_STATIC_ASSERT(sizeof(TQCameraRec) == (TQ_WORD == 4 ? 28 : 40), "TQCameraRec size");
TQ_STATIC_ASSERT(offsetof(TQCameraRec, area) == (TQ_WORD == 4 ? 12 : 16), "TQCameraRec layout");
TQ_STATIC_ASSERT(sizeof(TQStatusRec) == 48, "TQStatusRec size");
TQ_STATIC_ASSERT(sizeof(TQStatusA) == 12 && sizeof(TQStatusB) == 60 && sizeof(TQStatusC) == 58, "status sizes");
TQ_STATIC_ASSERT(offsetof(TQConfigRec, text) == (TQ_WORD == 4 ? 20 : 24), "TQConfigRec layout");
TQ_STATIC_ASSERT(sizeof(TQConfigRec) == (TQ_WORD == 4 ? 24 : 32), "TQConfigRec size");
TQ_STATIC_ASSERT(sizeof(TQConfigA) == 66 && sizeof(TQConfigB) == 44 && sizeof(TQConfigC) == 52, "config sizes");
TQ_STATIC_ASSERT(sizeof(TQImageProcRec) == 112 && sizeof(TQOutputWindowRec) == 16, "settings sizes");
TQ_STATIC_ASSERT(offsetof(TQPictInfoRec, thumbnail) == 8, "TQPictInfoRec layout");
TQ_STATIC_ASSERT(offsetof(TQPictInfoRec, word1) == (TQ_WORD == 4 ? 12 : 16), "TQPictInfoRec layout");
TQ_STATIC_ASSERT(offsetof(TQPictInfoRec, value3) == (TQ_WORD == 4 ? 48 : 52), "TQPictInfoRec layout");
TQ_STATIC_ASSERT(sizeof(TQPictInfoRec) == (TQ_WORD == 4 ? 52 : 56), "TQPictInfoRec size");
TQ_STATIC_ASSERT(sizeof(TQPictInfoA) == 16 && sizeof(TQPictInfoB) == 67 && sizeof(TQPictInfoC) == 161,
                 "picture record sizes");
TQ_STATIC_ASSERT(sizeof(TQMemBlock) == (TQ_WORD == 4 ? 16 : 24), "TQMemBlock size");
TQ_STATIC_ASSERT(offsetof(TQStatusRec, word1) == 20 && offsetof(TQStatusRec, pictures) == 24 &&
                     offsetof(TQStatusRec, word2) == 40, "TQStatusRec layout");
TQ_STATIC_ASSERT(offsetof(TQStatusB, values) == 12 && offsetof(TQStatusB, block) == 48, "TQStatusB layout");
TQ_STATIC_ASSERT(offsetof(TQStatusC, values) == 20 && offsetof(TQStatusC, block) == 46, "TQStatusC layout");
TQ_STATIC_ASSERT(offsetof(TQConfigA, at4) == 4 && offsetof(TQConfigA, at60) == 60 && offsetof(TQConfigA, at64) == 64,
                 "TQConfigA layout");
TQ_STATIC_ASSERT(offsetof(TQConfigB, at28) == 28 && offsetof(TQConfigB, at36) == 36 && offsetof(TQConfigB, at40) == 40,
                 "TQConfigB layout");
TQ_STATIC_ASSERT(offsetof(TQConfigC, at28) == 28 && offsetof(TQConfigC, at48) == 48, "TQConfigC layout");
TQ_STATIC_ASSERT(offsetof(TQImageProcRec, words) == 24, "TQImageProcRec layout");
TQ_STATIC_ASSERT(offsetof(TQOutputWindowRec, words) == 8 && offsetof(TQPreviewInfoRec, words) == 4,
                 "window and preview layout");
TQ_STATIC_ASSERT(offsetof(TQPictInfoA, orientation) == 12, "TQPictInfoA layout");
TQ_STATIC_ASSERT(offsetof(TQPictInfoB, at28) == 28 && offsetof(TQPictInfoB, orientation) == 36 &&
                     offsetof(TQPictInfoB, at40) == 40 && offsetof(TQPictInfoB, at52) == 52 &&
                     offsetof(TQPictInfoB, name) == 58, "TQPictInfoB layout");
TQ_STATIC_ASSERT(offsetof(TQPictInfoC, orientation) == 36 && offsetof(TQPictInfoC, at48) == 48 &&
                     offsetof(TQPictInfoC, words) == 56 && offsetof(TQPictInfoC, block) == 152, "TQPictInfoC layout");
TQ_STATIC_ASSERT(offsetof(TQMemBlock, size) == TQ_WORD, "TQMemBlock layout");
TQ_STATIC_ASSERT(sizeof(TQTransferExtra) == 8 && sizeof(TQPreviewInfoRec) == 20, "record sizes");

TQ_API int16_t TQ_CALL TQOpenDriver(uintptr_t value, TQDriverRec* driver);
TQ_API int16_t TQ_CALL TQCloseDriver(TQDriverRec* driver);
TQ_API int16_t TQ_CALL TQOpenCamera(TQCameraRec* cam);
TQ_API int16_t TQ_CALL TQCloseCamera(TQCameraRec* cam);
TQ_API int16_t TQ_CALL TQResetCamera(TQCameraRec* cam);
TQ_API int16_t TQ_CALL TQPreviewErase(TQCameraRec* cam);
TQ_API int16_t TQ_CALL TQGetStatus(TQCameraRec* cam, TQStatusRec* status, void* specific);
TQ_API int16_t TQ_CALL TQGetConfig(TQCameraRec* cam, TQConfigRec* config, void* specific);
TQ_API int16_t TQ_CALL TQSetConfig(TQCameraRec* cam, TQConfigRec* config, void* specific);
TQ_API int16_t TQ_CALL TQGetImageProcessing(TQCameraRec* cam, TQImageProcRec* rec);
TQ_API int16_t TQ_CALL TQSetImageProcessing(TQCameraRec* cam, TQImageProcRec* rec);
TQ_API int16_t TQ_CALL TQGetOutputWindow(TQCameraRec* cam, TQOutputWindowRec* rec);
TQ_API int16_t TQ_CALL TQSetOutputWindow(TQCameraRec* cam, TQOutputWindowRec* rec);
TQ_API int16_t TQ_CALL TQPreviewGetInfo(TQCameraRec* cam, TQPreviewInfoRec* rec);
TQ_API int16_t TQ_CALL TQTakePicture(TQCameraRec* cam, int32_t selector, int32_t flag, TQPictInfoRec* info, void* specific);
TQ_API int16_t TQ_CALL TQPreviewStore(TQCameraRec* cam, int32_t selector, int32_t flag, TQPictInfoRec* info, void* specific);
TQ_API int16_t TQ_CALL TQGetCameraPictInfo(TQCameraRec* cam, int32_t selector1, int32_t selector2, int32_t number, int32_t flag, TQPictInfoRec* info, void* specific);
TQ_API int16_t TQ_CALL TQGetNativePictInfo(TQCameraRec* cam, TQMemBlock* data, int32_t flag, TQPictInfoRec* info, void* specific);
TQ_API int16_t TQ_CALL TQGetNativeCameraType(TQCameraRec* cam, TQMemBlock* data, int32_t* type);
TQ_API int16_t TQ_CALL TQDeletePicture(TQCameraRec* cam, int32_t selector, int32_t value1, int32_t value2);
TQ_API int16_t TQ_CALL TQCopyMemToCard(TQCameraRec* cam, int32_t value1, int32_t value2);
TQ_API int16_t TQ_CALL TQGetCameraPicture(TQCameraRec* cam, int32_t selector1, int32_t selector2, TQPictInfoRec* info, TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra);
TQ_API int16_t TQ_CALL TQGetNativePicture(TQCameraRec* cam, int32_t selector1, int32_t selector2, TQPictInfoRec* info, TQMemBlock* block, TQTransferExtra* extra);
TQ_API int16_t TQ_CALL TQProcNativePicture(TQCameraRec* cam, TQPictInfoRec* info, TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra);
TQ_API int16_t TQ_CALL TQGetCameraPictureAsJPEG(TQCameraRec* cam, int32_t selector1, int32_t selector2, TQPictInfoRec* info, int32_t quality, int32_t* size, TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra);
TQ_API int16_t TQ_CALL TQProcNativePictureAsJPEG(TQCameraRec* cam, TQPictInfoRec* info, int32_t quality, int32_t* size, TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra);
TQ_API int16_t TQ_CALL TQPreviewGetPicture(TQCameraRec* cam, TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra);
TQ_API int16_t TQ_CALL TQAlbumGetAvailable(TQCameraRec* cam, uintptr_t value);
TQ_API int16_t TQ_CALL TQAlbumSetAvailable(TQCameraRec* cam, uintptr_t value);
TQ_API int16_t TQ_CALL TQAlbumSetActive(TQCameraRec* cam, int32_t album);
TQ_API int16_t TQ_CALL TQAlbumGetAllName(TQCameraRec* cam, uintptr_t value1, uintptr_t value2);
TQ_API int16_t TQ_CALL TQAlbumErase(TQCameraRec* cam, uintptr_t value, int32_t album);
TQ_API int16_t TQ_CALL TQAlbumChangeName(TQCameraRec* cam, uintptr_t value1, int32_t album, uintptr_t value2);
TQ_API int16_t TQ_CALL TQAlbumGetPictureName(TQCameraRec* cam, uintptr_t value1, int32_t number, uintptr_t value2);
TQ_API int16_t TQ_CALL TQAlbumMoveImage(TQCameraRec* cam, uintptr_t value, int32_t v1, int32_t v2, int32_t v3);
#ifdef __cplusplus
}
#endif

#endif
