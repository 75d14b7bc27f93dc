// The 36 exports. Each follows the frame: a null camera record gives -1000 at once; the
// session is copied in; the other required arguments are checked; the records are converted;
// the SDK is called once; the session is copied back whatever it answered; on success the
// output records the caller gave are filled.
#include "bridge/session.h"
#include "platform/gdi/gdi.h"
#include "tqbridge.h"

using namespace tqbridge;

namespace {

// A flag reaches the SDK as 0 or 1; a 16-bit value as the low half of its slot.
int32_t flag(int32_t value) { return int16_t(value) != 0; }
int32_t half(int32_t value) { return int16_t(value); }

TQMemBlock block(int32_t size, void* address) { return {address, size, 0, 0}; }

// The caller's picture description as the SDK takes it, with no thumbnail address.
TQPictInfoRec pictInfoIn(const TQILPictInfoRec& info) {
  TQPictInfoRec sdk{};
  toSdk(pictInfoTable, &info, &sdk);
  sdk.thumbnail = nullptr;
  return sdk;
}

// Fills the caller's general and type-specific picture records after a successful call.
void pictInfoOut(const Session& session, const TQPictInfoRec& sdk, const void* sdkSpecific, TQILPictInfoRec* info,
                 void* specific) {
  if (info) toFlat(pictInfoTable, &sdk, info);
  if (const RecordPair* pair = session.specific(pictInfoFamily); specific && pair)
    toFlat(pair->table, sdkSpecific, specific);
}

// Take picture, camera picture information and native picture information share their
// shape: a picture record that receives the thumbnail address, and the type's record.
template <typename Call>
int16_t describePicture(TQILCameraRec* camera, void* thumbnail, TQILPictInfoRec* info, void* specific, Call call) {
  Session session(*camera);
  TQPictInfoRec sdk{};
  if (info) sdk.thumbnail = thumbnail;
  SpecificRecord sdkSpecific;
  const RecordPair* pair = session.specific(pictInfoFamily);
  const int16_t code = call(session, &sdk, pair ? sdkSpecific.bytes : nullptr);
  session.copyBack(*camera);
  if (code != TQ_NoErr) return code;
  pictInfoOut(session, sdk, sdkSpecific.bytes, info, specific);
  return TQ_NoErr;
}

// Calls that take only the session.
template <typename Call>
int16_t sessionOnly(TQILCameraRec* camera, Call call) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  const int16_t code = call(session);
  session.copyBack(*camera);
  return code;
}

// Get or set of a record with one table and no type-specific part.
template <typename Sdk, typename Flat>
int16_t getRecord(TQILCameraRec* camera, Flat* flat, Table table, int16_t (*TQ_CALL call)(TQCameraRec*, Sdk*)) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  Sdk sdk{};
  const int16_t code = call(&session.camera, &sdk);
  session.copyBack(*camera);
  if (code == TQ_NoErr && flat) toFlat(table, &sdk, flat);
  return code;
}

template <typename Sdk, typename Flat>
int16_t setRecord(TQILCameraRec* camera, Flat* flat, Table table, int16_t (*TQ_CALL call)(TQCameraRec*, Sdk*)) {
  if (!camera || !flat) return TQ_BadArgError;
  Session session(*camera);
  Sdk sdk{};
  toSdk(table, flat, &sdk);
  const int16_t code = call(&session.camera, &sdk);
  session.copyBack(*camera);
  return code;
}

// The preview family works with type 101 only: 0, 1, 100 and 104 are not supported, any
// other type is a bad argument. Neither answer copies the session back.
int16_t previewGate(const Session& session) {
  switch (session.driver.cameratype) {
    case 101: return TQ_NoErr;
    case 0:
    case 1:
    case 100:
    case 104: return TQ_CameraFunctionNotSupported;
    default: return TQ_BadArgError;
  }
}

}  // namespace

extern "C" {

// Session

TQIL_API int16_t TQIL_CALL TQILOpenDriver(uintptr_t value, TQILDriverRec* driver) {
  if (!driver) return TQ_BadArgError;
  TQDriverRec sdk;
  toSdk(driverTable, driver, &sdk);
  const int16_t code = TQOpenDriver(value, &sdk);
  toFlat(driverTable, &sdk, driver);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILCloseDriver(TQILDriverRec* driver) {
  if (!driver) return TQ_BadArgError;
  TQDriverRec sdk;
  toSdk(driverTable, driver, &sdk);
  const int16_t code = TQCloseDriver(&sdk);
  toFlat(driverTable, &sdk, driver);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILOpenCamera(TQILCameraRec* camera) {
  return sessionOnly(camera, [](Session& s) { return TQOpenCamera(&s.camera); });
}

TQIL_API int16_t TQIL_CALL TQILCloseCamera(TQILCameraRec* camera) {
  return sessionOnly(camera, [](Session& s) { return TQCloseCamera(&s.camera); });
}

TQIL_API int16_t TQIL_CALL TQILResetCamera(TQILCameraRec* camera) {
  return sessionOnly(camera, [](Session& s) { return TQResetCamera(&s.camera); });
}

TQIL_API int16_t TQIL_CALL TQILGetStatus(TQILCameraRec* camera, TQILStatusRec* status, void* specific) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  TQStatusRec sdk{};
  SpecificRecord sdkSpecific;
  const RecordPair* pair = session.specific(statusFamily);
  const int16_t code = TQGetStatus(&session.camera, &sdk, pair ? sdkSpecific.bytes : nullptr);
  session.copyBack(*camera);
  if (code != TQ_NoErr) return code;
  if (status) toFlat(statusTable, &sdk, status);
  if (const RecordPair* after = session.specific(statusFamily); specific && after)
    toFlat(after->table, sdkSpecific.bytes, specific);
  return TQ_NoErr;
}

// Configuration and processing settings

TQIL_API int16_t TQIL_CALL TQILGetConfig(TQILCameraRec* camera, TQILConfigRec* config, void* specific) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!config) return TQ_BadArgError;
  TQConfigRec sdk{};
  sdk.text = reinterpret_cast<unsigned char*>(config) + sizeof(TQILConfigRec);
  SpecificRecord sdkSpecific;
  const RecordPair* pair = session.specific(configFamily);
  const int16_t code = TQGetConfig(&session.camera, &sdk, pair ? sdkSpecific.bytes : nullptr);
  session.copyBack(*camera);
  if (code != TQ_NoErr) return code;
  toFlat(configTable, &sdk, config);
  if (const RecordPair* after = session.specific(configFamily); specific && after)
    toFlat(after->table, sdkSpecific.bytes, specific);
  return TQ_NoErr;
}

TQIL_API int16_t TQIL_CALL TQILSetConfig(TQILCameraRec* camera, TQILConfigRec* config, void* specific) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!config) return TQ_BadArgError;
  TQConfigRec sdk{};
  toSdk(configTable, config, &sdk);
  sdk.text = reinterpret_cast<unsigned char*>(config) + sizeof(TQILConfigRec);
  SpecificRecord sdkSpecific;
  const RecordPair* pair = specific ? session.specific(configFamily) : nullptr;
  if (pair) toSdk(pair->table, specific, sdkSpecific.bytes);
  const int16_t code = TQSetConfig(&session.camera, &sdk, pair ? sdkSpecific.bytes : nullptr);
  session.copyBack(*camera);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILGetImageProcessing(TQILCameraRec* camera, TQILImageProcRec* settings) {
  return getRecord(camera, settings, imageProcTable, TQGetImageProcessing);
}

TQIL_API int16_t TQIL_CALL TQILSetImageProcessing(TQILCameraRec* camera, TQILImageProcRec* settings) {
  return setRecord(camera, settings, imageProcTable, TQSetImageProcessing);
}

TQIL_API int16_t TQIL_CALL TQILGetOutputWindow(TQILCameraRec* camera, TQILOutputWindowRec* window) {
  return getRecord(camera, window, outputWindowTable, TQGetOutputWindow);
}

TQIL_API int16_t TQIL_CALL TQILSetOutputWindow(TQILCameraRec* camera, TQILOutputWindowRec* window) {
  return setRecord(camera, window, outputWindowTable, TQSetOutputWindow);
}

// Capture and picture information

TQIL_API int16_t TQIL_CALL TQILTakePicture(TQILCameraRec* camera, int32_t selector, int32_t takeflag,
                                           void* thumbnail, TQILPictInfoRec* info, void* specific) {
  if (!camera) return TQ_BadArgError;
  return describePicture(camera, thumbnail, info, specific, [&](Session& s, TQPictInfoRec* sdk, void* type) {
    return TQTakePicture(&s.camera, selector, flag(takeflag), sdk, type);
  });
}

TQIL_API int16_t TQIL_CALL TQILDeletePicture(TQILCameraRec* camera, int32_t selector, int32_t value1,
                                             int32_t value2) {
  return sessionOnly(camera, [&](Session& s) { return TQDeletePicture(&s.camera, selector, half(value1), half(value2)); });
}

TQIL_API int16_t TQIL_CALL TQILCopyMemToCard(TQILCameraRec* camera, int32_t value1, int32_t value2) {
  return sessionOnly(camera, [&](Session& s) { return TQCopyMemToCard(&s.camera, half(value1), half(value2)); });
}

TQIL_API int16_t TQIL_CALL TQILGetCameraPictInfo(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                 int32_t number, int32_t thumbflag, void* thumbnail,
                                                 TQILPictInfoRec* info, void* specific) {
  if (!camera) return TQ_BadArgError;
  return describePicture(camera, thumbnail, info, specific, [&](Session& s, TQPictInfoRec* sdk, void* type) {
    return TQGetCameraPictInfo(&s.camera, selector1, half(selector2), half(number), flag(thumbflag), sdk, type);
  });
}

TQIL_API int16_t TQIL_CALL TQILGetNativeCameraType(TQILCameraRec* camera, int32_t size, void* data, int32_t* type) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!data || !type) return TQ_BadArgError;
  TQMemBlock native = block(size, data);
  int32_t word = 0;
  const int16_t code = TQGetNativeCameraType(&session.camera, &native, &word);
  session.copyBack(*camera);
  *type = word;
  return code;
}

TQIL_API int16_t TQIL_CALL TQILGetNativePictInfo(TQILCameraRec* camera, int32_t size, void* data, int32_t thumbflag,
                                                 void* thumbnail, TQILPictInfoRec* info, void* specific) {
  if (!camera) return TQ_BadArgError;
  if (!data) return TQ_BadArgError;
  return describePicture(camera, thumbnail, info, specific, [&](Session& s, TQPictInfoRec* sdk, void* type) {
    TQMemBlock native = block(size, data);
    return TQGetNativePictInfo(&s.camera, &native, flag(thumbflag), sdk, type);
  });
}

// Transfers: the data lands in the caller's buffers; the layer copies none of it. The picture
// description and the JPEG size word are required like the buffers.

TQIL_API int16_t TQIL_CALL TQILGetCameraPicture(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                TQILPictInfoRec* info, int32_t size1, void* address1,
                                                int32_t size2, void* address2) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!info || !address1 || !address2) return TQ_BadArgError;
  TQMemBlock first = block(size1, address1), second = block(size2, address2);
  TQTransferExtra extra{};
  TQPictInfoRec sdk = pictInfoIn(*info);
  const int16_t code = TQGetCameraPicture(&session.camera, selector1, half(selector2), &sdk, &first, &second, &extra);
  session.copyBack(*camera);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILGetNativePicture(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                TQILPictInfoRec* info, int32_t size, void* address) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!info || !address) return TQ_BadArgError;
  TQMemBlock native = block(size, address);
  TQTransferExtra extra{};
  TQPictInfoRec sdk = pictInfoIn(*info);
  const int16_t code = TQGetNativePicture(&session.camera, selector1, half(selector2), &sdk, &native, &extra);
  session.copyBack(*camera);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILProcNativePicture(TQILCameraRec* camera, TQILPictInfoRec* info, int32_t size1,
                                                 void* address1, int32_t size2, void* address2) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!info || !address1 || !address2) return TQ_BadArgError;
  TQMemBlock first = block(size1, address1), second = block(size2, address2);
  TQTransferExtra extra{};
  TQPictInfoRec sdk = pictInfoIn(*info);
  const int16_t code = TQProcNativePicture(&session.camera, &sdk, &first, &second, &extra);
  session.copyBack(*camera);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILGetCameraPictureAsJPEG(TQILCameraRec* camera, int32_t selector1, int32_t selector2,
                                                      TQILPictInfoRec* info, int32_t quality, int32_t* jpegsize,
                                                      int32_t size1, void* address1, int32_t size2,
                                                      void* address2) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!info || !jpegsize || !address1 || !address2) return TQ_BadArgError;
  TQMemBlock source = block(size1, address1), jpeg = block(size2, address2);
  TQTransferExtra extra{};
  TQPictInfoRec sdk = pictInfoIn(*info);
  int32_t size = 0;
  const int16_t code = TQGetCameraPictureAsJPEG(&session.camera, selector1, half(selector2), &sdk, quality, &size,
                                                &source, &jpeg, &extra);
  session.copyBack(*camera);
  *jpegsize = size;
  return code;
}

TQIL_API int16_t TQIL_CALL TQILProcNativePictureAsJPEG(TQILCameraRec* camera, TQILPictInfoRec* info, int32_t quality,
                                                       int32_t* jpegsize, int32_t size1, void* address1,
                                                       int32_t size2, void* address2) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (!info || !jpegsize || !address1 || !address2) return TQ_BadArgError;
  TQMemBlock source = block(size1, address1), jpeg = block(size2, address2);
  TQTransferExtra extra{};
  TQPictInfoRec sdk = pictInfoIn(*info);
  int32_t size = 0;
  const int16_t code = TQProcNativePictureAsJPEG(&session.camera, &sdk, quality, &size, &source, &jpeg, &extra);
  session.copyBack(*camera);
  *jpegsize = size;
  return code;
}

TQIL_API int16_t TQIL_CALL TransferBitmap(int32_t, void* dc, int32_t width, int32_t height, int32_t bitcount,
                                          void* bits) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* info = static_cast<BITMAPINFO*>(GlobalLock(memory));
  if (!info) {
    GlobalFree(memory);
    return 0;
  }
  BITMAPINFOHEADER& header = info->bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = uint16_t(bitcount);
  header.biCompression = BI_RGB;
  RGBQUAD* colours = info->bmiColors;
  if (header.biBitCount == 8)
    for (int i = 0; i < 256; ++i) colours[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};

  if (HDC target = static_cast<HDC>(dc)) {
    if (HDC memoryDC = CreateCompatibleDC(target)) {
      if (HBITMAP bitmap = CreateDIBitmap(target, &header, CBM_INIT, bits, info, DIB_RGB_COLORS)) {
        HGDIOBJ previous = SelectObject(memoryDC, bitmap);
        BitBlt(target, 0, 0, width, height, memoryDC, 0, 0, SRCCOPY);
        if (previous) SelectObject(memoryDC, previous);
        DeleteObject(bitmap);
      }
      DeleteDC(memoryDC);
    }
  }
  GlobalUnlock(memory);
  GlobalFree(memory);
  return 0;
}

// Preview (type 101 only) and the camera's own albums

TQIL_API int16_t TQIL_CALL TQILPreviewGetInfo(TQILCameraRec* camera, TQILPreviewInfoRec* info) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (const int16_t gate = previewGate(session)) return gate;
  TQPreviewInfoRec sdk{};
  const int16_t code = TQPreviewGetInfo(&session.camera, &sdk);
  session.copyBack(*camera);
  if (code == TQ_NoErr && info && session.driver.cameratype == 101) toFlat(previewInfoTable, &sdk, info);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILPreviewGetPicture(TQILCameraRec* camera, int32_t size1, void* address1, int32_t size2,
                                                 void* address2) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (const int16_t gate = previewGate(session)) return gate;
  if (!address1 || !address2) return TQ_BadArgError;
  TQMemBlock first = block(size1, address1), second = block(size2, address2);
  TQTransferExtra extra{};
  const int16_t code = TQPreviewGetPicture(&session.camera, &first, &second, &extra);
  session.copyBack(*camera);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILPreviewStore(TQILCameraRec* camera, int32_t selector, int32_t storeflag,
                                            void* thumbnail, TQILPictInfoRec* info, TQILPictInfoB* specific) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (const int16_t gate = previewGate(session)) return gate;
  TQPictInfoRec sdk{};
  if (info) sdk.thumbnail = thumbnail;
  TQPictInfoB sdkSpecific{};
  const int16_t code = TQPreviewStore(&session.camera, selector, flag(storeflag), &sdk, &sdkSpecific);
  session.copyBack(*camera);
  if (code != TQ_NoErr) return code;
  pictInfoOut(session, sdk, &sdkSpecific, info, session.driver.cameratype == 101 ? specific : nullptr);
  return TQ_NoErr;
}

TQIL_API int16_t TQIL_CALL TQILPreviewErase(TQILCameraRec* camera) {
  if (!camera) return TQ_BadArgError;
  Session session(*camera);
  if (const int16_t gate = previewGate(session)) return gate;
  const int16_t code = TQPreviewErase(&session.camera);
  session.copyBack(*camera);
  return code;
}

TQIL_API int16_t TQIL_CALL TQILAlbumGetAvailable(TQILCameraRec* camera, uintptr_t value) {
  return sessionOnly(camera, [&](Session& s) { return TQAlbumGetAvailable(&s.camera, value); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumSetAvailable(TQILCameraRec* camera, uintptr_t value) {
  return sessionOnly(camera, [&](Session& s) { return TQAlbumSetAvailable(&s.camera, value); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumSetActive(TQILCameraRec* camera, int32_t album) {
  return sessionOnly(camera, [&](Session& s) { return TQAlbumSetActive(&s.camera, half(album)); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumGetAllName(TQILCameraRec* camera, uintptr_t value1, uintptr_t value2) {
  return sessionOnly(camera, [&](Session& s) { return TQAlbumGetAllName(&s.camera, value1, value2); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumErase(TQILCameraRec* camera, uintptr_t value, int32_t album) {
  return sessionOnly(camera, [&](Session& s) { return TQAlbumErase(&s.camera, value, half(album)); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumChangeName(TQILCameraRec* camera, uintptr_t value1, int32_t album,
                                               uintptr_t value2) {
  return sessionOnly(camera, [&](Session& s) { return TQAlbumChangeName(&s.camera, value1, half(album), value2); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumGetPictureName(TQILCameraRec* camera, uintptr_t value1, int32_t number,
                                                   uintptr_t value2) {
  return sessionOnly(camera,
                     [&](Session& s) { return TQAlbumGetPictureName(&s.camera, value1, half(number), value2); });
}

TQIL_API int16_t TQIL_CALL TQILAlbumMoveImage(TQILCameraRec* camera, uintptr_t value, int32_t v1, int32_t v2,
                                              int32_t v3) {
  return sessionOnly(camera,
                     [&](Session& s) { return TQAlbumMoveImage(&s.camera, value, half(v1), half(v2), half(v3)); });
}

}  // extern "C"
