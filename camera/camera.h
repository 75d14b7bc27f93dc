// Wires "Define Camera", "From Camera" and the closing of a camera session at exit into the
// main window.
#pragma once

namespace fotivo {

class Main;
class CameraWindow;

void installCamera(Main& main);

// "From Camera": the import album is opened and the download window shown.
void Impcam(Main& main, CameraWindow& window);

}  // namespace fotivo
