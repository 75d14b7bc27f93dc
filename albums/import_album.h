// The album that camera and scanner imports go into: the last "TEMP" of the list.
#pragma once

#include <QString>
#include <string>

namespace fotivo {

class Main;

// Makes the import album the open album, as expanding its row does, and the active
// position. Returns its position, or -1 (after telling the user) when the list has none.
int openImportAlbum(Main& main);

// Refuses with a message, before anything is transferred, when the open album already holds
// as many pictures as an album can keep.
bool roomForPicture(Main& main, const QString& title);

}  // namespace fotivo
