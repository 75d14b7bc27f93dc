#include "app/menu_table.h"

namespace fotivo {

namespace {

constexpr MenuEntry entries[] = {
    {"", "Exit", "Quit", 0},
    {"", "Remote Libraries", "attachmnu", 0, MenuEntry::Menu},
    {"attachmnu", "Create remote Library", "createrlib", 5},
    {"attachmnu", "Attach remote Library", "attachlib", 10},
    {"", "Albums", "catmenu", 0, MenuEntry::Menu},
    {"catmenu", "Add Album", "Addcat", 15},
    {"catmenu", "Edit Album comments", "EditCat", 20},
    {"catmenu", "Delete Album", "delcat", 25},
    {"", "Thumbnails", "thumbmenu", 35, MenuEntry::Menu},
    {"thumbmenu", "Show Thumbnails", "viewthumb", 40, MenuEntry::Checkable},
    {"", "Import Pictures", "importmenu", 30, MenuEntry::Menu},
    {"importmenu", "From Camera", "Impcam", 0, MenuEntry::Item, false},
    {"importmenu", "From Disk", "importpix", 30},
    {"importmenu", "Twain", "twainmenu", 0, MenuEntry::Menu, false},
    {"twainmenu", "Select source", "seltwain", 0},
    {"twainmenu", "Aquire ", "Aquire", 0},
    {"", "Photo detail", "Photodetail", 0, MenuEntry::Menu},
    {"Photodetail", "Edit comments", "ephotocmt", 0},
    {"Photodetail", "Edit picture", "editpix", 0, MenuEntry::Item, false},
    {"Photodetail", "View picture Info", "displaypix", 0},
    {"Photodetail", "Copy picture to clipboard", "cpytoclip", 0},
    {"Photodetail", "View or Print picture", "viewprintpix", 0},
    {"Photodetail", "Delete picture", "delpix", 0},
    {"Photodetail", "Export picture", "exportpix", 0},
    {"Photodetail", "Copy picture to another album", "cpixtoalbum", 0},
    {"", "Set Preferences", "setpref", 0, MenuEntry::Menu},
    {"setpref", "Define Image Editor", "setpicedit", 35},
    {"setpref", "Define Camera", "defcam", 0},
    {"", "Help", "helpmenu", 0, MenuEntry::Menu},
    {"helpmenu", "About", "About", 0},
    {"helpmenu", "Help Content", "helpcontent", 0},
};

}  // namespace

std::span<const MenuEntry> menuTable() { return entries; }

}  // namespace fotivo
