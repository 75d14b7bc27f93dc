#include "library/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fotivo {

namespace {

std::string reason(int error) { return std::strerror(error); }

FileProblem writeproblem(const std::string& path, int error, bool existed) {
  std::string message = "The file " + path + " could not be written: " + reason(error) + ".";
  if (existed) message += " The previous file was left unchanged.";
  return {path, message};
}

std::string directoryof(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeall(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

Problems writefileatomic(const std::string& path, std::string_view data) {
  // A link is kept: the file it points to is the one replaced.
  std::error_code linkerror;
  const std::string target = std::filesystem::is_symlink(path, linkerror)
                                 ? std::filesystem::weakly_canonical(path, linkerror).string()
                                 : path;
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return {writeproblem(path, EISDIR, false)};

  // A name of our own beside the target, so the rename stays within one file system.
  static std::atomic<unsigned> counter{0};
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = directoryof(target) + "/." + target.substr(target.rfind('/') + 1) + ".tmp" +
           std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return {writeproblem(path, errno, existed)};

  int error = 0;
  if (existed && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
  if (!error && !writeall(fd, data)) error = errno;
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temp.c_str());
    return {writeproblem(path, error, existed)};
  }
  // Make the rename itself durable; a failure here no longer endangers either version.
  int dirfd = ::open(directoryof(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirfd >= 0) {
    ::fsync(dirfd);
    ::close(dirfd);
  }
  return {};
}

Problems removefile(const std::string& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
  if (error)
    return {{path, "The file " + path + " could not be removed: " + error.message() + "."}};
  return {};
}

}  // namespace fotivo
