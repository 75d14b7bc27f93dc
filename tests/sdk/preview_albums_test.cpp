// The live view of the type 101 and the camera's own albums.
#include <cstring>

#include "camera_fixture.h"

namespace tqsdk::test {
namespace {

using PreviewTest = CameraTest;
using AlbumsTest = CameraTest;

TEST_F(PreviewTest, OnlyTheTypeWithALiveViewHasOne) {
  for (int32_t type : {1, 100, 104}) {
    Session session(type);
    open(session);
    TQPreviewInfoRec info{};
    EXPECT_EQ(TQPreviewGetInfo(&session.camera, &info), -1003) << type;
    EXPECT_EQ(TQPreviewErase(&session.camera), -1003) << type;
    close(session);
  }
}

TEST_F(PreviewTest, AFrameIsHeldUntilStoredOrErased) {
  Session session(101);
  open(session);
  TQPreviewInfoRec info{};
  ASSERT_EQ(TQPreviewGetInfo(&session.camera, &info), 0);
  int16_t size[2];
  int32_t words[4];
  std::memcpy(size, &info, 4);
  std::memcpy(words, reinterpret_cast<uint8_t*>(&info) + 4, 16);
  EXPECT_EQ(size[0], 320);
  EXPECT_EQ(size[1], 240);
  EXPECT_EQ(words[3], 0) << "no frame held";

  TQPictInfoRec stored{};
  EXPECT_EQ(TQPreviewStore(&session.camera, 1, 0, &stored, nullptr), -1000) << "nothing to store";

  Guarded working{size_t(words[1])}, bits{size_t(words[0])};
  TQMemBlock block1 = working.block(), block2 = bits.block();
  TQTransferExtra extra{};
  ASSERT_EQ(TQPreviewGetPicture(&session.camera, &block1, &block2, &extra), 0);
  EXPECT_TRUE(working.guard_intact() && bits.guard_intact());
  ASSERT_EQ(TQPreviewGetInfo(&session.camera, &info), 0);
  std::memcpy(words, reinterpret_cast<uint8_t*>(&info) + 4, 16);
  EXPECT_EQ(words[2], 1) << "frames";
  EXPECT_EQ(words[3], 1) << "held";

  int16_t values[9] = {0, 0, 5, 1, 0, 0, 4, 0, 0};
  char owner[32] = "";
  TQConfigRec config{};
  std::memcpy(config.values, values, sizeof values);
  config.text = owner;
  ASSERT_EQ(TQSetConfig(&session.camera, &config, nullptr), 0);
  uint8_t specific[67] = {};
  ASSERT_EQ(TQPreviewStore(&session.camera, 1, 0, &stored, specific), 0);
  EXPECT_EQ(stored.word1, 640);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(specific) + 58), "PIC00001");
  EXPECT_EQ(picture_count(session), 1);
  EXPECT_EQ(TQPreviewStore(&session.camera, 1, 0, &stored, nullptr), -1000) << "the frame was used";

  ASSERT_EQ(TQPreviewGetPicture(&session.camera, &block1, &block2, &extra), 0);
  ASSERT_EQ(TQPreviewErase(&session.camera), 0);
  EXPECT_EQ(TQPreviewStore(&session.camera, 1, 0, &stored, nullptr), -1000);
  close(session);
}

TEST_F(AlbumsTest, PicturesGoIntoTheActiveAlbumAndAreSelectedByIt) {
  put_picture(1, 64, 48);
  put_picture(2, 64, 48);
  put_picture(3, 64, 48);
  Session session(104);
  open(session);
  int32_t available = 0;
  ASSERT_EQ(TQAlbumGetAvailable(&session.camera, reinterpret_cast<uintptr_t>(&available)), 0);
  EXPECT_EQ(available, 4);

  const char name[] = "HOLIDAY";
  ASSERT_EQ(TQAlbumChangeName(&session.camera, reinterpret_cast<uintptr_t>(name), 1, 7), 0);
  char names[4 * 16];
  EXPECT_EQ(TQAlbumGetAllName(&session.camera, reinterpret_cast<uintptr_t>(names), sizeof names - 1), -1000);
  ASSERT_EQ(TQAlbumGetAllName(&session.camera, reinterpret_cast<uintptr_t>(names), sizeof names), 0);
  EXPECT_STREQ(names, "ALBUM 1");
  EXPECT_STREQ(names + 16, "HOLIDAY");

  // Picture 3 of the card into album 1; then album 1 holds exactly it.
  ASSERT_EQ(TQAlbumMoveImage(&session.camera, 1, -1, 3, 1), 0);
  TQPictInfoRec info{};
  ASSERT_EQ(TQGetCameraPictInfo(&session.camera, 1, 1, 1, 0, &info, nullptr), 0);
  EXPECT_EQ(info.word5, 3);
  EXPECT_EQ(info.value1, 1) << "its album";
  EXPECT_EQ(TQGetCameraPictInfo(&session.camera, 1, 1, 2, 0, &info, nullptr), -1000);

  char picture[13];
  EXPECT_EQ(TQAlbumGetPictureName(&session.camera, reinterpret_cast<uintptr_t>(picture), 2, 12), -1000);
  ASSERT_EQ(TQAlbumGetPictureName(&session.camera, reinterpret_cast<uintptr_t>(picture), 2, 13), 0);
  EXPECT_STREQ(picture, "PIC00002.TQN");

  // Erasing with its pictures deletes them from the card.
  ASSERT_EQ(TQAlbumErase(&session.camera, 1, 1), 0);
  EXPECT_FALSE(fs::exists(card / "PIC00003.TQN"));
  EXPECT_EQ(picture_count(session), 2);

  // Fewer albums: album 3 goes, and with it the active choice.
  ASSERT_EQ(TQAlbumSetActive(&session.camera, 3), 0);
  ASSERT_EQ(TQAlbumSetAvailable(&session.camera, 2), 0);
  EXPECT_EQ(TQAlbumSetActive(&session.camera, 2), -1000);
  EXPECT_EQ(TQAlbumSetAvailable(&session.camera, 9), -1000);
  EXPECT_EQ(TQAlbumChangeName(&session.camera, reinterpret_cast<uintptr_t>(name), 0, 16), -1000) << "too long";
  close(session);
}

}  // namespace
}  // namespace tqsdk::test
