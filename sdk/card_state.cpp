#include "sdk/card_state.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace tqsdk {

CardState CardState::load(const std::filesystem::path& carddir) {
  CardState state;
  std::ifstream in(carddir / card_state_name);
  std::string line;
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || eq == 0) continue;
    state.values_[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return state;
}

bool CardState::save(const std::filesystem::path& carddir) const {
  const auto target = carddir / card_state_name;
  auto temp = target;
  temp += ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (const auto& [key, value] : values_) out << key << '=' << value << '\n';
    out.flush();
    if (!out) return false;
  }
  std::error_code error;
  std::filesystem::rename(temp, target, error);
  return !error;
}

int32_t CardState::number(const std::string& key, int32_t fallback) const {
  const auto it = values_.find(key);
  if (it == values_.end()) return fallback;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(it->second.data(), it->second.data() + it->second.size(), value);
  return error == std::errc() && end == it->second.data() + it->second.size() ? value : fallback;
}

void CardState::setnumber(const std::string& key, int32_t value) { values_[key] = std::to_string(value); }

std::vector<uint8_t> CardState::bytes(const std::string& key, size_t size,
                                      const std::vector<uint8_t>& fallback) const {
  std::vector<uint8_t> out(fallback.begin(), fallback.begin() + std::min(size, fallback.size()));
  out.resize(size, 0);
  const auto it = values_.find(key);
  if (it == values_.end() || it->second.size() != 2 * size) return out;
  std::vector<uint8_t> stored(size);
  for (size_t i = 0; i < size; ++i) {
    const char* digits = it->second.data() + 2 * i;
    const auto [end, error] = std::from_chars(digits, digits + 2, stored[i], 16);
    if (error != std::errc() || end != digits + 2) return out;
  }
  return stored;
}

void CardState::setbytes(const std::string& key, const uint8_t* data, size_t size) {
  static constexpr char hex[] = "0123456789abcdef";
  std::string text(2 * size, '0');
  for (size_t i = 0; i < size; ++i) {
    text[2 * i] = hex[data[i] >> 4];
    text[2 * i + 1] = hex[data[i] & 15];
  }
  values_[key] = text;
}

void CardState::erase(const std::string& key) { values_.erase(key); }

}  // namespace tqsdk
