// The camera's own memory of settings and albums, kept in a small text file on the card:
// one "key=value" line each, byte blocks in hexadecimal.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tqsdk {

class CardState {
 public:
  // Reads the file; a missing or damaged line only falls back to the defaults.
  static CardState load(const std::filesystem::path& carddir);
  // Replaces the file as a whole (temporary file, then rename). False when that failed.
  bool save(const std::filesystem::path& carddir) const;

  bool has(const std::string& key) const { return values_.count(key) != 0; }
  int32_t number(const std::string& key, int32_t fallback) const;
  void setnumber(const std::string& key, int32_t value);
  // Exactly `size` bytes: the stored block, else `fallback` padded with zeros.
  std::vector<uint8_t> bytes(const std::string& key, size_t size,
                             const std::vector<uint8_t>& fallback = {}) const;
  void setbytes(const std::string& key, const uint8_t* data, size_t size);
  void erase(const std::string& key);

 private:
  std::map<std::string, std::string> values_;
};

inline constexpr const char* card_state_name = "CAMERA.TQS";

}  // namespace tqsdk
