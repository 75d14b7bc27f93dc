#include "albums/picture_files.h"

#include <QBuffer>
#include <QListWidget>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/atomic_file.h"

namespace fotivo {
namespace fs = std::filesystem;

Problems copypicturefile(const std::string& source, const std::string& dest) {
  const fs::path target(dest);
  const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".part");
  std::error_code error;
  fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(temporary, target, error);
  if (!error) return {};
  std::error_code ignored;
  fs::remove(temporary, ignored);
  return {{dest, "The picture " + source + " could not be copied to " + dest + ": " +
                     error.message() + "."}};
}

Problems writethumbnail(const QImage& image, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, "BMP"))
    return {{path, "The thumbnail " + path + " could not be made: the picture could not be read."}};
  return writefileatomic(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

bool samefilecontent(const std::string& a, const std::string& b) {
  std::error_code error;
  if (!fs::is_regular_file(a, error) || !fs::is_regular_file(b, error)) return false;
  if (fs::equivalent(a, b, error)) return true;
  if (fs::file_size(a, error) != fs::file_size(b, error) || error) return false;
  std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
  constexpr std::size_t chunk = 1 << 16;
  std::string x(chunk, '\0'), y(chunk, '\0');
  while (first && second) {
    first.read(x.data(), chunk);
    second.read(y.data(), chunk);
    if (first.gcount() != second.gcount() || x.compare(0, first.gcount(), y, 0, second.gcount()) != 0)
      return false;
  }
  return first.eof() && second.eof();
}

void showfirstpicture(Main& main) {
  ProgramState& state = main.state();
  if (main.pics()->count() > 0) main.pics()->setCurrentRow(0);
  if (!state.thumbson) return;
  main.clearthumb();
  state.thumbfirst = 1;
  main.showthumb();
  if (main.pics()->count() > 0) main.pics()->setCurrentRow(0);
  QTableWidget* grid = main.Grid1();
  grid->clearSelection();
  grid->setCurrentCell(1, 1);
  grid->setRangeSelected(QTableWidgetSelectionRange(1, 1, 1, 1), true);
}

}  // namespace fotivo
