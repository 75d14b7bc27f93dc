#include "library/import_target.h"

#include <algorithm>
#include <filesystem>

#include "library/date_text.h"

namespace fotivo {

int importalbum(const Model& model) {
  int found = -1;
  for (int p = 0; p <= model.liblast; ++p)
    if (model.liblist[p].name == "TEMP") found = p;
  return found;
}

std::string stampname(std::string_view t) {
  std::string name;
  for (char c : t.substr(0, 6))
    if (c != '/') name += c;
  // Positions are counted from 1: the date's blank lies at 6 to 9 in the program's forms.
  std::size_t p = 0;
  for (std::size_t at = 6; at <= 9; ++at)
    if (at <= t.size() && t[at - 1] == ' ') p = at;
  if (p == 0) {
    // Another form: the time follows the first blank, if any.
    std::size_t blank = t.find(' ');
    p = blank == std::string_view::npos ? t.size() : blank + 1;
  }
  for (char c : t.substr(std::min(p, t.size()), 6))
    if (c != ':') name += c;
  // The name becomes a file name: keep it to 8 characters that no file system refuses.
  std::string safe;
  for (char c : name)
    if (c != ' ' && c != '\\' && c != '"' && static_cast<unsigned char>(c) >= 0x20) safe += c;
  return safe.substr(0, 8);
}

std::string stampname() { return stampname(nowtext()); }

std::string uniquename(const std::string& dir, const std::string& base,
                       std::initializer_list<std::string_view> exts) {
  for (int n = 1;; ++n) {
    std::string name = n == 1 ? base : base + "-" + std::to_string(n);
    bool taken = false;
    std::error_code error;
    for (std::string_view ext : exts)
      taken = taken || std::filesystem::exists(dir + "/" + name + "." + std::string(ext), error);
    if (!taken) return name;
  }
}

}  // namespace fotivo
