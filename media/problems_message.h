// Tells the user of file problems in one message box.
#pragma once

#include "library/model.h"

namespace fotivo {

class ModalSeam;

// Returns true when there were none.
bool tellproblems(ModalSeam& seam, const Problems& problems);

}  // namespace fotivo
