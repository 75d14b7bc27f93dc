// The picture that the picture items act on.
#pragma once

#include <optional>
#include <string>

namespace fotivo {

class Main;

// The path of picture number (selected row of pics + 1) of piclist. Without a selected
// picture, tells the user and gives nothing.
std::optional<std::string> selectedpicture(Main& main);

}  // namespace fotivo
