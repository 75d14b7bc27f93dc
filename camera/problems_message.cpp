#include "camera/problems_message.h"

#include <QStringList>

#include "app/modal_seam.h"

namespace fotivo {

bool tellproblems(ModalSeam& seam, const Problems& problems, const QString& title) {
  if (problems.empty()) return true;
  QStringList lines;
  for (const FileProblem& problem : problems) lines << QString::fromStdString(problem.message);
  seam.message(lines.join('\n'), title, ModalSeam::Buttons::Ok, ModalSeam::Icon::Exclamation);
  return false;
}

}  // namespace fotivo
