#include "media/help_window.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/modal_seam.h"

namespace fotivo {

namespace {

// Opens the help at the highlighted item's topic when F1 is pressed in a menu or the menu bar.
class HelpKey : public QObject {
 public:
  explicit HelpKey(Main& main) : QObject(&main), main_(main) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
      return false;
    QAction* highlighted = nullptr;
    // An open menu with nothing highlighted stands for itself.
    if (auto* menu = qobject_cast<QMenu*>(watched))
      highlighted = menu->activeAction() != nullptr ? menu->activeAction() : menu->menuAction();
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) highlighted = bar->activeAction();
    const int topic = helptopicof(highlighted);
    for (QMenu* menu : main_.findChildren<QMenu*>())
      if (menu->isVisible()) menu->hide();
    showhelp(main_, topic);
    return true;
  }

 private:
  Main& main_;
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("help");
  setWindowTitle("Fotivo Help");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helptext");
  browser_->setOpenExternalLinks(true);
  auto* contents = new QPushButton("&Contents", this);
  auto* back = new QPushButton("&Back", this);
  back->setEnabled(false);
  connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  resize(640, 520);
}

void HelpWindow::showTopic(const QUrl& file, int topic) {
  // Contents first, so that "Contents" always leads back to the top of the file.
  if (browser_->source().adjusted(QUrl::RemoveFragment) != file) {
    browser_->clearHistory();
    browser_->setSource(file, QTextDocument::HtmlResource);
  }
  QUrl at = file;
  if (topic != 0) at.setFragment(topicanchor(topic));
  browser_->setSource(at, QTextDocument::HtmlResource);
}

QUrl helpfile(const std::string& homedir) {
  const QFileInfo own(QString::fromStdString(homedir + helpfilename));
  if (own.isFile() && own.isReadable()) return QUrl::fromLocalFile(own.absoluteFilePath());
  return QUrl("qrc:/help/Fotivo.HLP");
}

QString topicanchor(int topic) { return topic == 0 ? QString() : QString("topic%1").arg(topic); }

int helptopicof(const QAction* action) {
  while (action != nullptr) {
    if (const int topic = action->property(helpTopicProperty).toInt(); topic != 0) return topic;
    const QAction* holder = nullptr;
    for (QObject* object : action->associatedObjects())
      if (auto* menu = qobject_cast<QMenu*>(object)) holder = menu->menuAction();
    action = holder;
  }
  return 0;
}

void showhelp(Main& main, int topic) {
  auto* window = main.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (window == nullptr) window = new HelpWindow(&main);
  window->showTopic(helpfile(main.state().model.homedir), topic);
  main.seam().showModeless(*window);
}

void installhelpkey(Main& main) {
  auto* key = new HelpKey(main);
  main.menuBar()->installEventFilter(key);
  for (QMenu* menu : main.findChildren<QMenu*>()) menu->installEventFilter(key);
}

}  // namespace fotivo
