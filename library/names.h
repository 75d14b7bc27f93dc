// Checks for names and comments that go into the index files, and character-counted lengths
// for UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fotivo {

enum class NameProblem {
  none,
  empty,      // nothing left after trimming blanks
  onlydots,   // "." or ".." or more dots: not a usable directory name
  slash,      // "/" would make it a path
  quote,      // the index files cannot hold a double quote
  control,    // control characters (tabs, line breaks, ...)
};

// For album, picture and library names, which become directory names and index fields.
NameProblem checkname(std::string_view name);
// For comments: no double quote and no control characters.
NameProblem checkcomment(std::string_view comment);
// A sentence for the user, e.g. "A name cannot contain a double quote (")."
std::string nameproblemtext(NameProblem problem);
// Whether an input field may take this character into a name (false for "/", the double
// quote and control characters) or a comment (false for the double quote and controls).
bool allowedinname(char32_t c);
bool allowedincomment(char32_t c);

// Blanks (spaces and tabs) removed from both ends.
std::string trimmed(std::string_view text);
// Number of characters (not bytes) of UTF-8 text.
std::size_t charcount(std::string_view utf8);
// The first maxchars characters of UTF-8 text, never cutting a character in two.
std::string truncatechars(std::string_view utf8, std::size_t maxchars);

}  // namespace fotivo
