// The picture menu's operations on the selected picture of the open album: its details,
// its comment, deleting it, and copying it into another album.
#pragma once

namespace fotivo {

class Main;

void displaypix(Main& main);
void ephotocmt(Main& main);
void delpix(Main& main);
void cpixtoalbum(Main& main);

void installPictureOps(Main& main);

}  // namespace fotivo
