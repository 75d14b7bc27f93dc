# The library's dynamic symbols are exactly the SDK's 35 functions.
execute_process(COMMAND nm -D --defined-only ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm could not read ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(found "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND found ${name})
endforeach()
list(SORT found)
set(expected
  TQAlbumChangeName TQAlbumErase TQAlbumGetAllName TQAlbumGetAvailable TQAlbumGetPictureName
  TQAlbumMoveImage TQAlbumSetActive TQAlbumSetAvailable TQCloseCamera TQCloseDriver TQCopyMemToCard
  TQDeletePicture TQGetCameraPictInfo TQGetCameraPicture TQGetCameraPictureAsJPEG TQGetConfig
  TQGetImageProcessing TQGetNativeCameraType TQGetNativePictInfo TQGetNativePicture TQGetOutputWindow
  TQGetStatus TQOpenCamera TQOpenDriver TQPreviewErase TQPreviewGetInfo TQPreviewGetPicture TQPreviewStore
  TQProcNativePicture TQProcNativePictureAsJPEG TQResetCamera TQSetConfig TQSetImageProcessing
  TQSetOutputWindow TQTakePicture)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "exported: ${found}\nexpected: ${expected}")
endif()
