// The main window's menus as data: captions, control names, help topics and which items are
// available at start-up.
#pragma once

#include <span>

namespace fotivo {

struct MenuEntry {
  enum Kind { Item, Menu, Checkable };
  const char* parent;   // control name of the menu that holds it; "" for the menu bar
  const char* caption;  // exactly as shown
  const char* control;  // control name of the item or menu
  int helpTopic;        // 0: none
  Kind kind = Item;
  bool availableAtStart = true;
};

// In menu order. "Photodetail" is a pop-up menu: its entry and items are never in the bar.
std::span<const MenuEntry> menuTable();

inline constexpr const char* popupMenuName = "Photodetail";

}  // namespace fotivo
