// Shows the busy mouse pointer for as long as the guard lives.
#pragma once

namespace fotivo {

class BusyPointer {
 public:
  BusyPointer();
  ~BusyPointer();
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace fotivo
