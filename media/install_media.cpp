#include <QAction>

#include "app/main_window.h"
#include "media/acquire.h"
#include "media/help_window.h"
#include "media/media.h"

namespace fotivo {

void installMedia(Main& main) {
  const struct {
    const char* control;
    void (*handler)(Main&);
  } items[] = {
      {"viewprintpix", viewprintpix}, {"cpytoclip", cpytoclip}, {"editpix", editpix},
      {"exportpix", exportpix},       {"setpicedit", setpicedit}, {"About", About},
      {"helpcontent", helpcontent},   {"seltwain", seltwain},     {"Aquire", Aquire},
  };
  for (const auto& item : items)
    QObject::connect(main.item(item.control), &QAction::triggered, &main,
                     [&main, handler = item.handler] { handler(main); });
  installhelpkey(main);
}

}  // namespace fotivo
