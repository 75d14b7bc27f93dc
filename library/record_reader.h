// Reads the record line format field by field: texts in double quotes or unquoted,
// #TRUE#/#FALSE#, decimal integers; records end with a line break (CR LF, LF or CR).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fotivo {

class RecordReader {
 public:
  explicit RecordReader(std::string_view data);

  // Skips blanks and line breaks and tells whether the file ends before another record.
  bool atend();
  // Call before the first field of each record: fields read until the next beginrecord()
  // belong to one record, so an end of file among them marks the record incomplete.
  void beginrecord();
  std::string readtext();
  bool readboolean();
  std::int64_t readinteger();
  // The record begun last ran into the end of the file before all its fields were read.
  bool incomplete() const { return incomplete_; }

  // What was wrong with the data so far, one sentence fragment each ("line 3 ..."), empty
  // while the data is sound.
  const std::vector<std::string>& damage() const { return damage_; }
  void adddamage(std::string what);
  int line() const { return line_; }

  // A field longer than this is cut there; no field the program writes comes near it.
  static constexpr std::size_t maxfield = 32768;

 private:
  bool skipblanks();
  void skipline();
  std::string readfield();
  void advance();

  std::string_view data_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int recordline_ = 1;
  int fieldline_ = 1;
  bool incomplete_ = false;
  std::vector<std::string> damage_;
};

}  // namespace fotivo
