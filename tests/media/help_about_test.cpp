// Help at the contents and at a menu item's topic, the help file, and the about box.
#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "app/menu_table.h"
#include "media/help_window.h"
#include "media/media.h"
#include "tests/media/media_test.h"

namespace fotivo::test {
namespace {

class HelpTest : public MediaTest {
 protected:
  HelpWindow* help() const { return main->findChild<HelpWindow*>(); }
  QString shownAnchor() const { return help()->browser()->source().fragment(); }
  // Presses F1 with the item highlighted in its open menu.
  void pressF1On(const char* menu, const char* control) {
    QMenu* open = main->menu(menu);
    open->popup(QPoint(0, 0));
    open->setActiveAction(main->item(control));
    ASSERT_EQ(open->activeAction(), main->item(control));
    QTest::keyClick(open, Qt::Key_F1);
  }
};

TEST_F(HelpTest, AboutTextAndBox) {
  trigger("About");
  ASSERT_EQ(recording.shown.size(), 1u);
  const ScriptedSeam::Shown& box = recording.shown[0];
  EXPECT_EQ(box.title, "About . . . ");
  EXPECT_EQ(box.buttons, ModalSeam::Buttons::Ok);
  EXPECT_EQ(box.icon, ModalSeam::Icon::None);
  EXPECT_EQ(box.text,
            "          Fotivo Portfolio\n\n\r"
            "  Copyright (C) 1997-2026 The Fotivo Folio authors\n\n\r"
            "Telephone (555) 010-3600   Fax (555) 010-3601\n\r"
            "     E-mail: help@fotivo.example\n\r"
            " Web: http://www.fotivo.example/ ");
}

TEST_F(HelpTest, HelpFileHasATopicForEveryTopicNumberOfTheMenus) {
  QFile file(":/help/Fotivo.HLP");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  for (const MenuEntry& entry : menuTable()) {
    if (entry.helpTopic == 0) continue;
    const QString anchor = "<a name=\"" + topicanchor(entry.helpTopic) + "\">";
    EXPECT_TRUE(html.contains(anchor)) << entry.control;
    // The topic tells about the item under its own caption.
    const qsizetype at = html.indexOf(anchor);
    EXPECT_TRUE(html.mid(at, html.indexOf("<a name=", at + 1) - at).contains(entry.caption)) << entry.control;
  }
}

TEST_F(HelpTest, HelpContentOpensTheBuiltInFileAtItsContents) {
  trigger("helpcontent");
  ASSERT_NE(help(), nullptr);
  EXPECT_TRUE(help()->isVisible());
  EXPECT_EQ(help()->browser()->source(), QUrl("qrc:/help/Fotivo.HLP"));
  EXPECT_TRUE(help()->browser()->toPlainText().contains("Contents"));
  EXPECT_EQ(recording.shown.back().kind, ScriptedSeam::Kind::Modeless);
}

TEST_F(HelpTest, HelpFileInTheHomeDirectoryIsPreferred) {
  writeFile(path("Fotivo.HLP"), "<html><body><p>Our own help</p><a name=\"topic15\"></a>Albums</body></html>");
  trigger("helpcontent");
  EXPECT_EQ(help()->browser()->source(), QUrl::fromLocalFile(QString::fromStdString(path("Fotivo.HLP"))));
  EXPECT_TRUE(help()->browser()->toPlainText().contains("Our own help"));
}

TEST_F(HelpTest, F1OpensTheHighlightedItemsTopic) {
  const struct {
    const char* menu;
    const char* control;
    QString anchor;
  } cases[] = {
      {"catmenu", "Addcat", "topic15"},
      {"setpref", "setpicedit", "topic35"},
      {"importmenu", "Impcam", "topic30"},  // no topic of its own: its menu's
      {"helpmenu", "About", ""},            // none at all: the contents
      {"attachmnu", "createrlib", "topic5"},
  };
  main->item("Impcam")->setEnabled(true);  // as when the camera is defined
  for (const auto& c : cases) {
    pressF1On(c.menu, c.control);
    ASSERT_NE(help(), nullptr) << c.control;
    EXPECT_TRUE(help()->isVisible()) << c.control;
    EXPECT_EQ(shownAnchor(), c.anchor) << c.control;
    EXPECT_FALSE(main->menu(c.menu)->isVisible()) << c.control;
  }
  // An open menu with nothing highlighted: the menu's topic.
  main->menu("importmenu")->popup(QPoint(0, 0));
  QTest::keyClick(main->menu("importmenu"), Qt::Key_F1);
  EXPECT_EQ(shownAnchor(), "topic30");

  // A topic is scrolled to; the contents start at the top.
  pressF1On("thumbmenu", "viewthumb");
  EXPECT_GT(help()->browser()->verticalScrollBar()->value(), 0);
  trigger("helpcontent");
  EXPECT_EQ(shownAnchor(), "");
  EXPECT_EQ(help()->browser()->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace fotivo::test
