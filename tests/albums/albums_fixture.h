// The program as the user starts it in the test's library directory, with the album
// commands and the strip wired in.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "albums/addcatfm.h"
#include "albums/albums.h"
#include "app/main_window.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {

class AlbumsTest : public WidgetTest {
 protected:
  void TearDown() override {
    main.reset();
    WidgetTest::TearDown();
  }
  void start() {
    main = std::make_unique<Main>(seam);
    installAlbums(*main);
    main->startup();
  }
  // Answers the next album dialog with a name and comment and presses its button.
  void confirmDialog(const QString& name, const QString& comment = {}) {
    seam.onModal([name, comment](QDialog& dialog) {
      auto& form = static_cast<Addcatfm&>(dialog);
      if (form.addname()->isEnabled()) form.addname()->setText(name);
      form.addcomt()->setPlainText(comment);
      form.addcatbt()->click();
    });
  }
  void cancelDialog() {
    seam.onModal([](QDialog& dialog) { static_cast<Addcatfm&>(dialog).addcancel()->click(); });
  }
  Model& model() { return main->state().model; }

  std::unique_ptr<Main> main;
};

}  // namespace fotivo::test
