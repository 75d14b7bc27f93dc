// The main window: its controls, its menus, accessibility and "Exit".
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/main_window.h"
#include "app/outline.h"
#include "tests/support/widget_test.h"

namespace fotivo::test {
namespace {

class MainWindowTest : public WidgetTest {};

QStringList captions(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* a : actions)
    if (!a->isSeparator()) texts << a->text();
  return texts;
}

TEST_F(MainWindowTest, MenuBarHoldsTheMenusInOrderWithoutThePopUp) {
  Main main(seam);
  EXPECT_EQ(main.windowTitle(), "Fotivo Folio");
  EXPECT_EQ(captions(main.menuBar()->actions()),
            (QStringList{"Exit", "Remote Libraries", "Albums", "Thumbnails", "Import Pictures",
                         "Set Preferences", "Help"}));
  EXPECT_EQ(main.menuBar()->actions().front(), main.item("Quit")) << "Exit is a command in the bar";
  EXPECT_EQ(captions(main.menu("importmenu")->actions()),
            (QStringList{"From Camera", "From Disk", "Twain"}));
  EXPECT_EQ(captions(main.menu("twainmenu")->actions()), (QStringList{"Select source", "Aquire "}));
  EXPECT_EQ(captions(main.Photodetail()->actions()),
            (QStringList{"Edit comments", "Edit picture", "View picture Info",
                         "Copy picture to clipboard", "View or Print picture", "Delete picture",
                         "Export picture", "Copy picture to another album"}));
  EXPECT_EQ(main.menu("Photodetail"), main.Photodetail());
  EXPECT_FALSE(main.menuBar()->actions().contains(main.Photodetail()->menuAction()));
}

TEST_F(MainWindowTest, ItemsCarryTheirHelpTopics) {
  Main main(seam);
  const std::pair<const char*, int> topics[] = {
      {"createrlib", 5}, {"attachlib", 10}, {"Addcat", 15},  {"EditCat", 20},   {"delcat", 25},
      {"viewthumb", 40}, {"importpix", 30}, {"setpicedit", 35}, {"Impcam", 0}, {"About", 0}};
  for (auto [control, topic] : topics) {
    EXPECT_EQ(main.helpTopic(control), topic) << control;
    EXPECT_EQ(main.item(control)->property(helpTopicProperty).toInt(), topic) << control;
  }
  EXPECT_EQ(main.menu("thumbmenu")->menuAction()->property(helpTopicProperty).toInt(), 35);
  EXPECT_EQ(main.menu("importmenu")->menuAction()->property(helpTopicProperty).toInt(), 30);
}

TEST_F(MainWindowTest, ControlsSitAtTheirPositions) {
  Main main(seam);
  const std::pair<QWidget*, QRect> places[] = {
      {main.catagory(), {7, 0, 99, 267}},   {main.Frame1(), {119, 7, 491, 36}},
      {main.Label2(), {7, 14, 477, 15}},    {main.Frame2(), {119, 49, 491, 218}},
      {main.Label1(), {7, 14, 477, 15}},    {main.pics(), {126, 84, 477, 173}},
      {main.Grid1(), {0, 280, 568, 113}},   {main.morethumb(), {574, 294, 36, 29}},
      {main.prevthumb(), {574, 350, 36, 29}}};
  for (auto [widget, rect] : places) EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();
  EXPECT_EQ(main.Label2()->parentWidget(), main.Frame1());
  EXPECT_EQ(main.Label1()->parentWidget(), main.Frame2());
  EXPECT_EQ(main.Grid1()->rowCount(), 2);
  EXPECT_EQ(main.Grid1()->columnCount(), 7);
  EXPECT_FALSE(main.morethumb()->isEnabled());
  EXPECT_FALSE(main.prevthumb()->isEnabled());
}

TEST_F(MainWindowTest, OuterHeightHidesOrShowsTheStrip) {
  Main main(seam);
  main.startup();
  const int stripTop = main.Grid1()->geometry().top();
  EXPECT_LT(main.centralWidget()->height(), stripTop);
  EXPECT_GE(main.centralWidget()->height(), main.catagory()->geometry().bottom());
  main.setOuterHeight(stripShownHeight);
  EXPECT_GE(main.centralWidget()->height(), main.Grid1()->geometry().bottom());
  EXPECT_EQ(main.outerHeight(), stripShownHeight);
}

TEST_F(MainWindowTest, EveryControlHasAnAccessibleName) {
  Main main(seam);
  main.show();
  for (QWidget* widget : main.findChildren<QWidget*>()) {
    if (!widget->isVisible() || widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"))
      continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(face, nullptr);
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
  }
  // The labels keep their name and offer what they show.
  main.startup();
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(main.Label2());
  EXPECT_EQ(label->text(QAccessible::Name), "Library comment");
  EXPECT_EQ(label->text(QAccessible::Description), " Main library");
}

TEST_F(MainWindowTest, ExitAskedAndCancelledChangesNothing) {
  Main main(seam);
  main.startup();
  int ended = 0, cameraClosed = 0;
  main.endProgram = [&] { ++ended; };
  main.closeCameraSession = [&] { ++cameraClosed; };
  main.state().camopen = true;
  seam.answer(ModalSeam::Answer::Cancel);
  main.item("Quit")->trigger();
  ASSERT_EQ(seam.shown.size(), 1u);
  EXPECT_EQ(seam.shown[0].text, "Do you want end this session ?");
  EXPECT_EQ(seam.shown[0].title, "End program ?");
  EXPECT_EQ(seam.shown[0].buttons, ModalSeam::Buttons::OkCancel);
  EXPECT_EQ(seam.shown[0].icon, ModalSeam::Icon::None);
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(cameraClosed, 0);
}

TEST_F(MainWindowTest, ExitConfirmedClosesAnOpenCameraSessionThenEnds) {
  for (bool camopen : {false, true}) {
    Main main(seam);
    main.startup();
    std::vector<std::string> calls;
    main.endProgram = [&] { calls.push_back("end"); };
    main.closeCameraSession = [&] { calls.push_back("camera"); };
    main.state().camopen = camopen;
    seam.answer(ModalSeam::Answer::Ok);
    main.item("Quit")->trigger();
    const std::vector<std::string> expected =
        camopen ? std::vector<std::string>{"camera", "end"} : std::vector<std::string>{"end"};
    EXPECT_EQ(calls, expected);
  }
}

TEST_F(MainWindowTest, ClosingTheWindowAsksLikeExit) {
  Main main(seam);
  main.startup();
  int ended = 0;
  main.endProgram = [&] { ++ended; };
  main.show();
  seam.answer(ModalSeam::Answer::Cancel);
  EXPECT_FALSE(main.close());
  EXPECT_TRUE(main.isVisible());
  seam.answer(ModalSeam::Answer::Ok);
  EXPECT_TRUE(main.close());
  EXPECT_EQ(ended, 1);
}

}  // namespace
}  // namespace fotivo::test
