#include <gtest/gtest.h>

#include <ctime>
#include <memory>

#include "library/date_text.h"
#include "library/import_target.h"
#include "library/names.h"
#include "library/paths.h"
#include "library/remote_entry.h"
#include "temp_dir.h"

namespace fotivo {
namespace {

TEST(Stampname, FollowsTheCharacterRule) {
  const std::pair<const char*, const char*> cases[] = {
      {"12/09/97 10:23:45 AM", "12091023"},
      {"1/5/98 9:05:03 AM", "15989050"},
      {"01/05/98 09:05:03 PM", "01050905"},
      {"12/9/97 10:23:45 AM", "12991023"},      // blank at position 8
      {"12/09/1997 10:23:45 AM", "12091023"},   // blank outside 6 to 9: the time after it
      {"2026-12-10T22:00:00", "2026-1"},        // no blank: the date part alone
      {"", ""},
  };
  for (auto [text, expected] : cases) EXPECT_EQ(stampname(text), expected) << text;
}

TEST(Stampname, FromTheClockIsEightDigits) {
  const std::string name = stampname();
  ASSERT_EQ(name.size(), 8u);
  EXPECT_EQ(name.find_first_not_of("0123456789"), std::string::npos) << name;
}

class UniqueName : public test::TempDirTest {};

TEST_F(UniqueName, SkipsNamesWhoseFilesExist) {
  EXPECT_EQ(uniquename(dir, "12091023", {"JPG", "BMP"}), "12091023");
  test::writefile(path("12091023.BMP"), "x");
  test::writefile(path("12091023-2.JPG"), "x");
  EXPECT_EQ(uniquename(dir, "12091023", {"JPG", "BMP"}), "12091023-3");
  EXPECT_EQ(uniquename(dir, "12091023", {"TQN"}), "12091023");
}

std::chrono::system_clock::time_point localtime(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

TEST(DateText, TwoDigitFieldsAndTwelveHourClock) {
  EXPECT_EQ(datetext(localtime(1997, 12, 9, 10, 23, 45)), "12/09/97 10:23:45 AM");
  EXPECT_EQ(datetext(localtime(1998, 1, 5, 21, 5, 3)), "01/05/98 09:05:03 PM");
  EXPECT_EQ(datetext(localtime(2026, 3, 1, 0, 0, 0)), "03/01/26 12:00:00 AM");
  EXPECT_EQ(datetext(localtime(2026, 3, 1, 12, 30, 0)), "03/01/26 12:30:00 PM");
  EXPECT_EQ(filetimetext(std::chrono::file_clock::from_sys(localtime(1997, 12, 9, 10, 23, 45))),
            "12/09/97 10:23:45 AM");
}

TEST(ImportAlbum, IsTheLastTempAlbum) {
  auto model = std::make_unique<Model>();
  EXPECT_EQ(importalbum(*model), -1);
  const libentry entries[] = {{true, "Main", "", "/h"},          {false, "TEMP", "", "/h/TEMP"},
                              {true, "ARCHIVE", "", "/m/ARCHIVE"}, {false, "TEMP", "", "/m/ARCHIVE/TEMP"},
                              {true, "LOWER", "", "/m/LOWER"},     {false, "temp", "", "/m/LOWER/temp"}};
  for (const libentry& e : entries) model->liblist[++model->liblast] = e;
  EXPECT_EQ(importalbum(*model), 3);
}

TEST(RemoteEntry, TextAndDirectory) {
  struct Case {
    const char *drive, *name, *comment, *entry, *dir;
  };
  const Case cases[] = {
      {"/media/usb", "ARCHIVE", "Old scans", "/media/usb/ARCHIVE      - Old scans", "/media/usb/ARCHIVE"},
      {"/media/usb", "ABCDEFGH", "", "/media/usb/ABCDEFGH     - ", "/media/usb/ABCDEFGH"},
      {"/mnt/a - b", "X", "one - two", "/mnt/a - b/X            - one - two", "/mnt/a - b/X"},
      {"/media/usb", "FOTOß", "ü", "/media/usb/FOTOß        - ü", "/media/usb/FOTOß"},
      {"/home/me", "MY PICS", "", "/home/me/MY PICS      - ", "/home/me/MY PICS"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(remoteentry(c.drive, c.name, c.comment), c.entry);
    EXPECT_EQ(remotedir(c.entry), c.dir) << c.entry;
  }
  EXPECT_EQ(remotedir(""), "");
  EXPECT_EQ(remotedir("/m/HAND EDITED  "), "/m/HAND EDITED");
}

TEST(Paths, CompanionFilePartAndExtension) {
  EXPECT_EQ(companionpath("/lib/ALBUM/100_0001.TQN"), "/lib/ALBUM/100_0001.JPG");
  EXPECT_EQ(companionpath("/lib/ALBUM/PHOTO.JPG"), "/lib/ALBUM/PHOTO.JPG");
  EXPECT_EQ(companionpath("/lib/ALBUM/photo.tqn"), "/lib/ALBUM/photo.tqn");
  EXPECT_EQ(companionpath("TQ"), "TQ");
  EXPECT_EQ(filepart("/lib/ALBUM/PHOTO.JPG"), "PHOTO.JPG");
  EXPECT_EQ(filepart("PHOTO.JPG"), "PHOTO.JPG");
  EXPECT_EQ(withextension("/lib/ALBUM/SUNSET.JPG", "THB"), "/lib/ALBUM/SUNSET.THB");
  EXPECT_EQ(withextension("/lib/A.B/SUNSET", "THB"), "/lib/A.B/SUNSET.THB");
}

TEST(Names, RefusesWhatCannotBeADirectoryOrAField) {
  const std::pair<const char*, NameProblem> cases[] = {
      {"HOLIDAY", NameProblem::none}, {" MY PICS ", NameProblem::none}, {"ÉTÉ.2024", NameProblem::none},
      {"", NameProblem::empty},       {" \t ", NameProblem::empty},     {".", NameProblem::onlydots},
      {"..", NameProblem::onlydots},  {"A/B", NameProblem::slash},      {"SAY \"HI\"", NameProblem::quote},
      {"TAB\tIN", NameProblem::control}, {"LINE\nBREAK", NameProblem::control},
  };
  for (auto [name, expected] : cases) EXPECT_EQ(checkname(name), expected) << name;
  EXPECT_EQ(checkcomment("a/b, c."), NameProblem::none);
  EXPECT_EQ(checkcomment("a \"b\""), NameProblem::quote);
  EXPECT_FALSE(allowedinname(U'/'));
  EXPECT_TRUE(allowedincomment(U'/'));
  EXPECT_FALSE(allowedincomment(U'"'));
  EXPECT_TRUE(allowedinname(U'ß'));
  EXPECT_FALSE(nameproblemtext(NameProblem::quote).empty());
}

TEST(Names, CountsAndCutsCharactersNotBytes) {
  EXPECT_EQ(charcount("FOTOß✓"), 6u);
  EXPECT_EQ(truncatechars("FOTOß✓ABC", 6), "FOTOß✓");
  EXPECT_EQ(truncatechars("ßßß", 2), "ßß");
  EXPECT_EQ(truncatechars("AB", 8), "AB");
  EXPECT_EQ(trimmed(" \tA B\t "), "A B");
}

}  // namespace
}  // namespace fotivo
