// File problems of the camera windows, told to the user.
#pragma once

#include <QString>

#include "library/model.h"

namespace fotivo {

class ModalSeam;

// One message box naming every problem; returns true when there were none.
bool tellproblems(ModalSeam& seam, const Problems& problems, const QString& title);

}  // namespace fotivo
