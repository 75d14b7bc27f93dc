#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/main_window.h"
#include "app/modal_seam.h"
#include "library/atomic_file.h"
#include "library/paths.h"
#include "media/media.h"
#include "media/selected_picture.h"

namespace fotivo {

namespace {

constexpr const char* exportTitle = "Export picture";

bool samefile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

}  // namespace

void exportpix(Main& main) {
  ModalSeam& seam = main.seam();
  const std::optional<std::string> picture = selectedpicture(main);
  if (!picture) return;
  const std::string& p = *picture;
  const QString f = QString::fromStdString(filepart(p));
  // A cancelled dialog gives back the preset name F: nothing is copied. A native camera file is
  // exported as it is.
  const QString result = seam.saveFile("Export Picture ... " + f, "*.*", f);
  if (result == f || result.isEmpty()) return;
  const std::string target = result.toStdString();
  if (samefile(p, target)) {
    seam.message("The picture cannot be exported onto its own file " + result +
                     ".\n\nChoose another name or folder.",
                 exportTitle, ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return;
  }
  std::ifstream in(p, std::ios::binary);
  if (!in) {
    seam.message("The picture file " + QString::fromStdString(p) + " cannot be read.",
                 exportTitle, ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
    return;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // Written whole beside the target and renamed over it, so a file that is replaced is never
  // left half written.
  main.report(writefileatomic(target, bytes));
}

}  // namespace fotivo
