// The main window's items for viewing, printing, copying, editing and exporting a picture,
// defining the picture editor, help and about.
#pragma once

#include <QString>

namespace fotivo {

class Main;

// Connects the items "viewprintpix", "cpytoclip", "editpix", "exportpix", "setpicedit",
// "About", "helpcontent" and F1 on a highlighted menu item to their handlers.
void installMedia(Main& main);

void viewprintpix(Main& main);
void cpytoclip(Main& main);
void setpicedit(Main& main);
void editpix(Main& main);
void exportpix(Main& main);
void helpcontent(Main& main);
void About(Main& main);

// The text of the about box.
QString abouttext();

}  // namespace fotivo
