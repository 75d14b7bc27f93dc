#include <gtest/gtest.h>

#include "albums/strip_paging.h"

namespace fotivo::strip {
namespace {

struct Page {
  int first, piccount, end;
  bool more, prev;
};

class PageButtons : public ::testing::TestWithParam<Page> {};

TEST_P(PageButtons, EndAndButtons) {
  const Page& p = GetParam();
  EXPECT_EQ(pageEnd(p.first, p.piccount), p.end);
  EXPECT_EQ(moreEnabled(p.first, p.piccount), p.more);
  EXPECT_EQ(prevEnabled(p.first), p.prev);
}

INSTANTIATE_TEST_SUITE_P(Albums, PageButtons,
                         ::testing::Values(Page{1, 6, 6, false, false},   // six: one full page
                                           Page{1, 7, 6, true, false},    // seven: more follow
                                           Page{7, 7, 7, false, true},    // seven, second page
                                           Page{7, 12, 12, false, true},  // 7 + 5 = 12 is not below 12
                                           Page{9, 12, 12, false, true},
                                           Page{3, 12, 8, true, false},   // 3 is not above 5
                                           Page{1, 0, 0, false, false}));

TEST(StripPaging, SelectionTurnsThePageOnlyWhenThePictureIsOffIt) {
  EXPECT_EQ(pageForSelection(1, 8), 9);  // picture 9 while page 1 is shown
  EXPECT_EQ(pageForSelection(7, 5), 6);  // picture 6 while page 7 is shown
  EXPECT_EQ(pageForSelection(7, 11), 7);
  EXPECT_EQ(pageForSelection(7, -1), 7);  // no selection keeps the page
  EXPECT_EQ(pageForSelection(0, -1), 1);
}

TEST(StripPaging, PreviousPageNeverStartsBelowOne) {
  EXPECT_EQ(previousPage(9), 3);
  EXPECT_EQ(previousPage(6), 1);
  EXPECT_EQ(previousPage(1), 1);
}

TEST(StripPaging, CaptionColumnIsAlwaysOneOfTheSix) {
  EXPECT_EQ(captionColumn(1, -1), 1);
  EXPECT_EQ(captionColumn(1, 0), 1);
  EXPECT_EQ(captionColumn(7, 8), 3);
  EXPECT_EQ(captionColumn(9, 8), 1);
  EXPECT_EQ(captionColumn(7, 2), 1) << "a picture of an earlier page";
  EXPECT_EQ(captionColumn(1, 20), 1) << "a picture of a later page";
}

TEST(StripPaging, AClickSelectsOnlyRowsOfTheList) {
  EXPECT_EQ(rowOfColumn(7, 3, 12), 8);  // column 3 of the page at 7: picture 9
  EXPECT_EQ(rowOfColumn(7, 2, 7), -1);  // an empty column of the last page
  EXPECT_EQ(rowOfColumn(1, 1, 0), -1);  // the list was emptied under the strip
  EXPECT_EQ(rowOfColumn(1, 0, 5), -1);
}

}  // namespace
}  // namespace fotivo::strip
