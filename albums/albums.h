// Wires the album commands, the thumbnail strip and the picture list into the main window.
#pragma once

namespace fotivo {

class Main;

void installAlbums(Main& main);

}  // namespace fotivo
