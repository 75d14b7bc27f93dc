#include "albums/albums.h"

#include <QAction>

#include "albums/album_commands.h"
#include "albums/thumb_strip.h"
#include "app/main_window.h"

namespace fotivo {

void installAlbums(Main& main) {
  new ThumbStripControl(main);
  QObject::connect(main.item("Addcat"), &QAction::triggered, &main, [&main] { Addcat(main); });
  QObject::connect(main.item("EditCat"), &QAction::triggered, &main, [&main] { EditCat(main); });
  QObject::connect(main.item("delcat"), &QAction::triggered, &main, [&main] { delcat(main); });
}

}  // namespace fotivo
