// The arithmetic of the thumbnail strip: six pictures a page, the page start thumbfirst
// (a picture number, 1 or more), and the caption cell that shows the selected picture.
#pragma once

#include <algorithm>

namespace fotivo::strip {

inline constexpr int columns = 6;

// The last picture number on the page that starts at first.
constexpr int pageEnd(int first, int piccount) { return std::min(first + columns - 1, piccount); }
constexpr bool moreEnabled(int first, int piccount) { return first + columns - 1 < piccount; }
constexpr bool prevEnabled(int first) { return first > columns - 1; }

// The caption column of the selected row (-1 for none) on the page starting at first. When
// the picture lies on another page the first column is highlighted, so the highlighted cell
// is always one of the six.
constexpr int captionColumn(int first, int selectedRow) {
  const int v = std::max(selectedRow + 1, 1);
  const int column = v == 1 ? 1 : v - first + 1;
  return column >= 1 && column <= columns ? column : 1;
}

// The page start after the list selected row (counted from 0): the page stays while it
// holds the picture, else it starts at the picture.
constexpr int pageForSelection(int first, int selectedRow) {
  const int v = selectedRow + 1;
  if (v < 1) return std::max(first, 1);
  return v < first || v > first + columns - 1 ? v : first;
}

// The list row that a click on column c selects, or -1 when the column shows no picture of
// the list.
constexpr int rowOfColumn(int first, int column, int piccount) {
  const int k = column + first - 2;
  return k >= 0 && k < piccount ? k : -1;
}

// The page start after "<--"; below 1 the page starts at 1.
constexpr int previousPage(int first) { return std::max(first - columns, 1); }

}  // namespace fotivo::strip
