#include "tests/bridge/fake_sdk.h"

#include <cstring>

#include "tqsdk32.h"

extern "C" FakeSdk* fakeSdk() {
  static FakeSdk fake;
  return &fake;
}

namespace {

std::vector<uint8_t> bytes(const void* record, std::size_t size) {
  if (!record) return {};
  const auto* p = static_cast<const uint8_t*>(record);
  return {p, p + size};
}

void fill(void* record, std::size_t size) {
  if (!record) return;
  auto* p = static_cast<uint8_t*>(record);
  for (std::size_t i = 0; i < size; ++i) p[i] = fakePattern(i);
}

// The type record's size by the camera type the driver record held when the call came, as the
// bridge chooses it.
std::size_t specificSize(std::size_t a, std::size_t b, std::size_t c) {
  int32_t type;
  std::memcpy(&type, fakeSdk()->calls.back().driver.data() + offsetof(TQDriverRec, cameratype), 4);
  switch (type) {
    case 100: return a;
    case 101: return b;
    case 104: return c;
    default: return 0;
  }
}

FakeCall& record(const char* function, TQDriverRec* driver) {
  FakeSdk& fake = *fakeSdk();
  fake.calls.push_back({function, {}, bytes(driver, sizeof *driver), {}, {}, false, {}, {}});
  if (driver) {
    driver->value1 = fake.driverValue;
    if (fake.cameraType != -1) driver->cameratype = fake.cameraType;
  }
  return fake.calls.back();
}

FakeCall& session(const char* function, TQCameraRec* cam) {
  FakeCall& call = record(function, cam->driver);
  call.values = {cam->port, cam->cameratype, cam->cameraword, cam->cameratype2, cam->bitrate};
  call.addresses.push_back(reinterpret_cast<uintptr_t>(cam->area));
  return call;
}

// A general record and its type record: received bytes kept, outputs filled when answering 0.
int16_t exchange(FakeCall& call, void* general, std::size_t generalSize, void* specific, std::size_t specificBytes,
                 bool output) {
  call.general = bytes(general, generalSize);
  call.specificPassed = specific != nullptr;
  call.specific = bytes(specific, specificBytes);
  const int16_t code = fakeSdk()->code;
  if (code == 0 && output) {
    fill(general, generalSize);
    fill(specific, specificBytes);
  }
  return code;
}

void blocks(FakeCall& call, std::initializer_list<const TQMemBlock*> list) {
  for (const TQMemBlock* block : list) {
    call.addresses.push_back(reinterpret_cast<uintptr_t>(block->address));
    call.sizes.push_back(block->size);
    call.values.push_back(block->zero1);
    call.values.push_back(block->zero2);
  }
}

}  // namespace

extern "C" {

TQ_API int16_t TQ_CALL TQOpenDriver(uintptr_t value, TQDriverRec* driver) {
  record("OpenDriver", driver).values = {int64_t(value)};
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQCloseDriver(TQDriverRec* driver) {
  record("CloseDriver", driver);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQOpenCamera(TQCameraRec* cam) {
  session("OpenCamera", cam);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQCloseCamera(TQCameraRec* cam) {
  session("CloseCamera", cam);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQResetCamera(TQCameraRec* cam) {
  session("ResetCamera", cam);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQPreviewErase(TQCameraRec* cam) {
  session("PreviewErase", cam);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQGetStatus(TQCameraRec* cam, TQStatusRec* status, void* specific) {
  FakeCall& call = session("GetStatus", cam);
  return exchange(call, status, sizeof *status, specific,
                  specificSize(sizeof(TQStatusA), sizeof(TQStatusB), sizeof(TQStatusC)), true);
}
TQ_API int16_t TQ_CALL TQGetConfig(TQCameraRec* cam, TQConfigRec* config, void* specific) {
  FakeCall& call = session("GetConfig", cam);
  call.addresses.push_back(reinterpret_cast<uintptr_t>(config->text));
  void* text = config->text;
  const int16_t code = exchange(call, config, 18, specific,
                                specificSize(sizeof(TQConfigA), sizeof(TQConfigB), sizeof(TQConfigC)), true);
  config->text = text;
  return code;
}
TQ_API int16_t TQ_CALL TQSetConfig(TQCameraRec* cam, TQConfigRec* config, void* specific) {
  FakeCall& call = session("SetConfig", cam);
  call.addresses.push_back(reinterpret_cast<uintptr_t>(config->text));
  return exchange(call, config, 18, specific,
                  specificSize(sizeof(TQConfigA), sizeof(TQConfigB), sizeof(TQConfigC)), false);
}
TQ_API int16_t TQ_CALL TQGetImageProcessing(TQCameraRec* cam, TQImageProcRec* rec) {
  return exchange(session("GetImageProcessing", cam), rec, sizeof *rec, nullptr, 0, true);
}
TQ_API int16_t TQ_CALL TQSetImageProcessing(TQCameraRec* cam, TQImageProcRec* rec) {
  return exchange(session("SetImageProcessing", cam), rec, sizeof *rec, nullptr, 0, false);
}
TQ_API int16_t TQ_CALL TQGetOutputWindow(TQCameraRec* cam, TQOutputWindowRec* rec) {
  return exchange(session("GetOutputWindow", cam), rec, sizeof *rec, nullptr, 0, true);
}
TQ_API int16_t TQ_CALL TQSetOutputWindow(TQCameraRec* cam, TQOutputWindowRec* rec) {
  return exchange(session("SetOutputWindow", cam), rec, sizeof *rec, nullptr, 0, false);
}
TQ_API int16_t TQ_CALL TQPreviewGetInfo(TQCameraRec* cam, TQPreviewInfoRec* rec) {
  return exchange(session("PreviewGetInfo", cam), rec, sizeof *rec, nullptr, 0, true);
}

// Picture records: the thumbnail address is kept apart, and is left as it was.
static int16_t picture(FakeCall& call, TQPictInfoRec* info, void* specific) {
  call.addresses.push_back(reinterpret_cast<uintptr_t>(info->thumbnail));
  void* thumbnail = info->thumbnail;
  const int16_t code = exchange(call, info, sizeof *info, specific,
                                specificSize(sizeof(TQPictInfoA), sizeof(TQPictInfoB), sizeof(TQPictInfoC)), true);
  info->thumbnail = thumbnail;
  return code;
}

TQ_API int16_t TQ_CALL TQTakePicture(TQCameraRec* cam, int32_t selector, int32_t flag, TQPictInfoRec* info,
                                     void* specific) {
  FakeCall& call = session("TakePicture", cam);
  call.values.insert(call.values.end(), {selector, flag});
  return picture(call, info, specific);
}
TQ_API int16_t TQ_CALL TQPreviewStore(TQCameraRec* cam, int32_t selector, int32_t flag, TQPictInfoRec* info,
                                      void* specific) {
  FakeCall& call = session("PreviewStore", cam);
  call.values.insert(call.values.end(), {selector, flag});
  return picture(call, info, specific);
}
TQ_API int16_t TQ_CALL TQGetCameraPictInfo(TQCameraRec* cam, int32_t selector1, int32_t selector2, int32_t number,
                                           int32_t flag, TQPictInfoRec* info, void* specific) {
  FakeCall& call = session("GetCameraPictInfo", cam);
  call.values.insert(call.values.end(), {selector1, selector2 & 0xFFFF, number & 0xFFFF, flag});
  return picture(call, info, specific);
}
TQ_API int16_t TQ_CALL TQGetNativePictInfo(TQCameraRec* cam, TQMemBlock* data, int32_t flag, TQPictInfoRec* info,
                                           void* specific) {
  FakeCall& call = session("GetNativePictInfo", cam);
  blocks(call, {data});
  call.values.push_back(flag);
  return picture(call, info, specific);
}
TQ_API int16_t TQ_CALL TQGetNativeCameraType(TQCameraRec* cam, TQMemBlock* data, int32_t* type) {
  FakeCall& call = session("GetNativeCameraType", cam);
  blocks(call, {data});
  *type = 101;
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQDeletePicture(TQCameraRec* cam, int32_t selector, int32_t value1, int32_t value2) {
  session("DeletePicture", cam).values.insert(fakeSdk()->calls.back().values.end(),
                                               {selector, value1 & 0xFFFF, value2 & 0xFFFF});
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQCopyMemToCard(TQCameraRec* cam, int32_t value1, int32_t value2) {
  session("CopyMemToCard", cam).values.insert(fakeSdk()->calls.back().values.end(), {value1 & 0xFFFF, value2 & 0xFFFF});
  return fakeSdk()->code;
}

// Transfers: the picture record as received, the blocks and the extra record.
static void transfer(FakeCall& call, const TQPictInfoRec* info, std::initializer_list<const TQMemBlock*> list,
                     const TQTransferExtra* extra) {
  if (info) {
    call.general = bytes(info, sizeof *info);
    call.addresses.push_back(reinterpret_cast<uintptr_t>(info->thumbnail));
  }
  blocks(call, list);
  call.values.insert(call.values.end(), {extra->zero1, extra->zero2});
}

TQ_API int16_t TQ_CALL TQGetCameraPicture(TQCameraRec* cam, int32_t selector1, int32_t selector2,
                                          TQPictInfoRec* info, TQMemBlock* block1, TQMemBlock* block2,
                                          TQTransferExtra* extra) {
  FakeCall& call = session("GetCameraPicture", cam);
  call.values.insert(call.values.end(), {selector1, selector2 & 0xFFFF});
  transfer(call, info, {block1, block2}, extra);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQGetNativePicture(TQCameraRec* cam, int32_t selector1, int32_t selector2,
                                          TQPictInfoRec* info, TQMemBlock* block, TQTransferExtra* extra) {
  FakeCall& call = session("GetNativePicture", cam);
  call.values.insert(call.values.end(), {selector1, selector2 & 0xFFFF});
  transfer(call, info, {block}, extra);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQProcNativePicture(TQCameraRec* cam, TQPictInfoRec* info, TQMemBlock* block1,
                                           TQMemBlock* block2, TQTransferExtra* extra) {
  transfer(session("ProcNativePicture", cam), info, {block1, block2}, extra);
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQGetCameraPictureAsJPEG(TQCameraRec* cam, int32_t selector1, int32_t selector2,
                                                TQPictInfoRec* info, int32_t quality, int32_t* size,
                                                TQMemBlock* block1, TQMemBlock* block2, TQTransferExtra* extra) {
  FakeCall& call = session("GetCameraPictureAsJPEG", cam);
  call.values.insert(call.values.end(), {selector1, selector2 & 0xFFFF, quality});
  transfer(call, info, {block1, block2}, extra);
  *size = fakeSdk()->jpegSize;
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQProcNativePictureAsJPEG(TQCameraRec* cam, TQPictInfoRec* info, int32_t quality,
                                                 int32_t* size, TQMemBlock* block1, TQMemBlock* block2,
                                                 TQTransferExtra* extra) {
  FakeCall& call = session("ProcNativePictureAsJPEG", cam);
  call.values.push_back(quality);
  transfer(call, info, {block1, block2}, extra);
  *size = fakeSdk()->jpegSize;
  return fakeSdk()->code;
}
TQ_API int16_t TQ_CALL TQPreviewGetPicture(TQCameraRec* cam, TQMemBlock* block1, TQMemBlock* block2,
                                           TQTransferExtra* extra) {
  transfer(session("PreviewGetPicture", cam), nullptr, {block1, block2}, extra);
  return fakeSdk()->code;
}

// The camera's albums: the values as received.
#define FAKE_ALBUM(name, ...)                            \
  session(#name, cam).values = {__VA_ARGS__};            \
  return fakeSdk()->code;

TQ_API int16_t TQ_CALL TQAlbumGetAvailable(TQCameraRec* cam, uintptr_t value) { FAKE_ALBUM(AlbumGetAvailable, int64_t(value)) }
TQ_API int16_t TQ_CALL TQAlbumSetAvailable(TQCameraRec* cam, uintptr_t value) { FAKE_ALBUM(AlbumSetAvailable, int64_t(value)) }
TQ_API int16_t TQ_CALL TQAlbumSetActive(TQCameraRec* cam, int32_t album) { FAKE_ALBUM(AlbumSetActive, album & 0xFFFF) }
TQ_API int16_t TQ_CALL TQAlbumGetAllName(TQCameraRec* cam, uintptr_t v1, uintptr_t v2) {
  FAKE_ALBUM(AlbumGetAllName, int64_t(v1), int64_t(v2))
}
TQ_API int16_t TQ_CALL TQAlbumErase(TQCameraRec* cam, uintptr_t value, int32_t album) {
  FAKE_ALBUM(AlbumErase, int64_t(value), album & 0xFFFF)
}
TQ_API int16_t TQ_CALL TQAlbumChangeName(TQCameraRec* cam, uintptr_t v1, int32_t album, uintptr_t v2) {
  FAKE_ALBUM(AlbumChangeName, int64_t(v1), album & 0xFFFF, int64_t(v2))
}
TQ_API int16_t TQ_CALL TQAlbumGetPictureName(TQCameraRec* cam, uintptr_t v1, int32_t number, uintptr_t v2) {
  FAKE_ALBUM(AlbumGetPictureName, int64_t(v1), number & 0xFFFF, int64_t(v2))
}
TQ_API int16_t TQ_CALL TQAlbumMoveImage(TQCameraRec* cam, uintptr_t value, int32_t v1, int32_t v2, int32_t v3) {
  FAKE_ALBUM(AlbumMoveImage, int64_t(value), v1 & 0xFFFF, v2 & 0xFFFF, v3 & 0xFFFF)
}

}  // extern "C"
