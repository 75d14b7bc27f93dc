// The "Albums" menu: add an album to the active library, edit the open album's comment,
// delete the open album.
#pragma once

namespace fotivo {

class Main;
struct Model;

void Addcat(Main& main);
void EditCat(Main& main);
void delcat(Main& main);

// The header of the library that holds position pos: pos itself for a header. After a camera
// or scanner import the active position names the TEMP album, whose library is meant.
int libraryheader(const Model& model, int pos);

}  // namespace fotivo
