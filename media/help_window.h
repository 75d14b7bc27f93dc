// The program's help window: the help file, opened at its contents or at a topic number.
#pragma once

#include <QUrl>
#include <QWidget>
#include <string>

class QAction;
class QTextBrowser;

namespace fotivo {

class Main;

inline constexpr const char* helpfilename = "/Fotivo.HLP";

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent);

  QTextBrowser* browser() const { return browser_; }
  // Shows file at its contents (topic 0) or at the anchor of the topic number.
  void showTopic(const QUrl& file, int topic);

 private:
  QTextBrowser* browser_ = nullptr;
};

// The help file in the home directory when it is there, else the copy built into the program.
QUrl helpfile(const std::string& homedir);
// The anchor of a topic number in the help file; "" for the contents.
QString topicanchor(int topic);
// The topic of a menu item: its own, else that of the nearest menu holding it; 0 for none.
int helptopicof(const QAction* action);

// Opens the main window's help window at a topic number (0: the contents).
void showhelp(Main& main, int topic);
// F1 on a highlighted item of the main window's menus opens the help at its topic.
void installhelpkey(Main& main);

}  // namespace fotivo
