#include "library/names.h"

namespace fotivo {

namespace {

bool iscontrol(char32_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

bool allowedincomment(char32_t c) { return c != '"' && !iscontrol(c); }

bool allowedinname(char32_t c) { return c != '/' && allowedincomment(c); }

std::string trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

NameProblem checkcomment(std::string_view comment) {
  for (char c : comment) {
    if (c == '"') return NameProblem::quote;
    if (iscontrol(static_cast<unsigned char>(c))) return NameProblem::control;
  }
  return NameProblem::none;
}

NameProblem checkname(std::string_view name) {
  const std::string bare = trimmed(name);
  if (bare.empty()) return NameProblem::empty;
  if (bare.find_first_not_of('.') == std::string::npos) return NameProblem::onlydots;
  if (bare.find('/') != std::string::npos) return NameProblem::slash;
  return checkcomment(name);
}

std::string nameproblemtext(NameProblem problem) {
  switch (problem) {
    case NameProblem::none: return {};
    case NameProblem::empty: return "The name is empty.";
    case NameProblem::onlydots: return "A name cannot be made of dots only.";
    case NameProblem::slash: return "A name cannot contain a slash (/).";
    case NameProblem::quote: return "The text cannot contain a double quote (\").";
    case NameProblem::control: return "The text cannot contain tabs, line breaks or other control characters.";
  }
  return {};
}

std::size_t charcount(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

std::string truncatechars(std::string_view utf8, std::size_t maxchars) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && count++ == maxchars)
      return std::string(utf8.substr(0, i));
  }
  return std::string(utf8);
}

}  // namespace fotivo
