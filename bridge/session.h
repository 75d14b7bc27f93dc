// The export frame's session records: a TQDriverRec and a TQCameraRec built on the export's
// stack from the caller's flat camera record, and written back after the SDK call.
#pragma once

#include "bridge/record_tables.h"
#include "tqbridge.h"

namespace tqbridge {

struct Session {
  TQDriverRec driver;
  TQCameraRec camera;

  explicit Session(TQILCameraRec& flat) {
    toSdk(driverTable, &flat.driver, &driver);
    toSdk(cameraTable, &flat, &camera);
    camera.driver = &driver;
    camera.area = flat.area;  // the SDK works on the caller's bytes in place
  }
  void copyBack(TQILCameraRec& flat) const {
    toFlat(driverTable, &driver, &flat.driver);
    toFlat(cameraTable, &camera, &flat);
  }
  // The type-specific pair for the camera type as the driver record now holds it.
  const RecordPair* specific(const Family& family) const {
    const int index = typeIndex(driver.cameratype);
    return index < 0 ? nullptr : &family[std::size_t(index)];
  }
};

// Stack space for one type-specific SDK record.
struct SpecificRecord {
  alignas(8) unsigned char bytes[largestSpecific] = {};
};

}  // namespace tqbridge
