#include "library/paths.h"

namespace fotivo {

std::string companionpath(std::string_view path) {
  std::string result(path);
  if (path.size() >= 3 && path.substr(path.size() - 3) == "TQN") result.replace(path.size() - 3, 3, "JPG");
  return result;
}

std::string filepart(std::string_view path) {
  auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string withextension(std::string_view path, std::string_view ext) {
  auto slash = path.rfind('/');
  auto dot = path.rfind('.');
  std::string result(path);
  if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash))
    result.resize(dot);
  result += '.';
  result += ext;
  return result;
}

}  // namespace fotivo
