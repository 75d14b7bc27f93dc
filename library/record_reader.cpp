#include "library/record_reader.h"

#include <algorithm>
#include <charconv>

#include "library/names.h"

namespace fotivo {

namespace {

bool isblank(char c) { return c == ' ' || c == '\t'; }
bool islinebreak(char c) { return c == '\r' || c == '\n'; }
// Bytes no text of the program holds; tabs and line breaks are handled by the caller.
bool isjunk(char c) {
  auto b = static_cast<unsigned char>(c);
  return (b < 0x20 && c != '\t' && c != '\r' && c != '\n') || b == 0x7F;
}

bool isutf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t code = length == 1 ? b : b & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      code = (code << 6) | (c & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

void appendutf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Files written on the older system hold 8-bit Windows text: read them as Windows-1252.
std::string fromwindows1252(std::string_view text) {
  static constexpr char16_t high[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    appendutf8(out, b >= 0x80 && b < 0xA0 ? high[b - 0x80] : b);
  }
  return out;
}

}  // namespace

RecordReader::RecordReader(std::string_view data) : data_(data) {
  if (data_.starts_with("\xEF\xBB\xBF")) pos_ = 3;  // a byte-order mark an editor may add
}

void RecordReader::adddamage(std::string what) {
  // The first few reasons tell the user enough; a file of junk would give thousands.
  if (damage_.size() < 20) damage_.push_back(std::move(what));
}

void RecordReader::advance() {
  char c = data_[pos_++];
  if (c == '\n' || (c == '\r' && (pos_ >= data_.size() || data_[pos_] != '\n'))) ++line_;
}

bool RecordReader::skipblanks() {
  while (pos_ < data_.size() && (isblank(data_[pos_]) || islinebreak(data_[pos_]))) advance();
  return pos_ < data_.size();
}

void RecordReader::skipline() {
  while (pos_ < data_.size() && !islinebreak(data_[pos_])) advance();
  if (pos_ < data_.size()) advance();
  if (pos_ < data_.size() && data_[pos_ - 1] == '\r' && data_[pos_] == '\n') advance();
}

bool RecordReader::atend() { return !skipblanks(); }

void RecordReader::beginrecord() {
  skipblanks();
  incomplete_ = false;
  recordline_ = line_;
}

std::string RecordReader::readfield() {
  if (!skipblanks()) {
    if (!incomplete_) adddamage("line " + std::to_string(recordline_) + ": the file ends inside a record");
    incomplete_ = true;
    return {};
  }
  fieldline_ = line_;
  std::string_view raw;
  if (data_[pos_] == '"') {
    advance();
    std::size_t close = data_.find('"', pos_);
    if (close == std::string_view::npos) {
      // Taking the rest of the file would swallow every later record: end it with its line.
      std::size_t eol = data_.find_first_of("\r\n", pos_);
      if (eol == std::string_view::npos) eol = data_.size();
      raw = data_.substr(pos_, eol - pos_);
      adddamage("line " + std::to_string(fieldline_) + ": a text has no closing quote");
      while (pos_ < eol) advance();
      skipline();
    } else {
      raw = data_.substr(pos_, close - pos_);
      while (pos_ < close) advance();
      advance();
      // Skip to the comma or the end of the line; anything but blanks there is not ours.
      bool stray = false;
      while (pos_ < data_.size() && data_[pos_] != ',' && !islinebreak(data_[pos_])) {
        stray = stray || !isblank(data_[pos_]);
        advance();
      }
      if (stray) adddamage("line " + std::to_string(line_) + ": characters follow a closing quote");
      if (pos_ < data_.size() && data_[pos_] == ',') advance(); else skipline();
    }
  } else {
    std::size_t end = pos_;
    while (end < data_.size() && data_[end] != ',' && !islinebreak(data_[end])) ++end;
    std::size_t last = end;
    while (last > pos_ && isblank(data_[last - 1])) --last;
    raw = data_.substr(pos_, last - pos_);
    while (pos_ < end) advance();
    if (pos_ < data_.size() && data_[pos_] == ',') advance(); else skipline();
  }

  std::string text;
  text.reserve(std::min(raw.size(), maxfield));
  bool junk = false;
  for (char c : raw) {
    if (isjunk(c)) junk = true;
    else text += c;
  }
  if (junk) adddamage("line " + std::to_string(fieldline_) + ": a field holds control characters");
  if (!isutf8(text)) text = fromwindows1252(text);
  if (text.size() > maxfield) {
    std::size_t cut = maxfield;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
    adddamage("line " + std::to_string(fieldline_) + ": a field is too long");
  }
  return text;
}

std::string RecordReader::readtext() { return readfield(); }

bool RecordReader::readboolean() {
  std::string field = readfield();
  if (field == "#TRUE#") return true;
  if (field == "#FALSE#" || incomplete_) return false;
  adddamage("line " + std::to_string(fieldline_) + ": \"" + truncatechars(field, 40) +
            "\" is neither #TRUE# nor #FALSE#");
  return false;
}

std::int64_t RecordReader::readinteger() {
  std::string field = readfield();
  std::int64_t value = 0;
  const char* first = field.data();
  const char* last = first + field.size();
  if (first != last && *first == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  if (incomplete_) return 0;
  if (field.empty() || error != std::errc() || end != last) {
    adddamage("line " + std::to_string(fieldline_) + ": \"" + truncatechars(field, 40) +
              "\" is not a whole number");
    return 0;
  }
  return value;
}

}  // namespace fotivo
