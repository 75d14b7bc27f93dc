// The "Remote Libraries" menu: create a library on a drive, and attach a known library or
// one found on disk.
#pragma once

#include <string>

namespace fotivo {

class Main;

void createrlib(Main& main);
void attachlib(Main& main);
// Appends the library whose index is file to the tree; the open album stays open.
void attachlibrary(Main& main, const std::string& file);

void installRemoteLibraries(Main& main);

}  // namespace fotivo
