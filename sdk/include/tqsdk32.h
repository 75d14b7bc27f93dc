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
typedef struct TQStatusRec { uint8_t b[48]; } TQStatusRec;
typedef struct TQStatusA { uint8_t b[12]; } TQStatusA;
typedef struct TQStatusB { uint8_t b[60]; } TQStatusB;
typedef struct TQStatusC { uint8_t b[58]; } TQStatusC;
typedef struct TQConfigRec { int16_t values[9]; int16_t gap; void* text; } TQConfigRec;
typedef struct TQConfigA { uint8_t b[66]; } TQConfigA;
typedef struct TQConfigB { uint8_t b[44]; } TQConfigB;
typedef struct TQConfigC { uint8_t b[52]; } TQConfigC;
typedef struct TQImageProcRec { uint8_t b[112]; } TQImageProcRec;
typedef struct TQOutputWindowRec { uint8_t b[16]; } TQOutputWindowRec;
typedef struct TQPictInfoRec { int16_t number, thumbwidth, thumbheight; void* thumbnail; int32_t word1, word2, picturesize, workingsize, word5; int16_t seconds, minutes, hours, day, month, year, value1, value2, value3; } TQPictInfoRec;
typedef struct TQPictInfoA { uint8_t b[16]; } TQPictInfoA;
typedef struct TQPictInfoB { uint8_t b[67]; } TQPictInfoB;
typedef struct TQPictInfoC { uint8_t b[161]; } TQPictInfoC;
typedef struct TQMemBlock { void* address; int32_t size, zero1, zero2; } TQMemBlock;
typedef struct TQTransferExtra { int32_t zero1, zero2; } TQTransferExtra;
typedef struct TQPreviewInfoRec { uint8_t b[20]; } TQPreviewInfoRec;

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
