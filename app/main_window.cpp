#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <filesystem>

#include "app/accessible_caption.h"
#include "app/busy_pointer.h"
#include "app/menu_table.h"
#include "app/modal_seam.h"
#include "app/outline.h"
#include "library/camera_settings.h"
#include "library/editor_settings.h"
#include "platform/twain/twain.h"

namespace fotivo {

namespace {

// 15 twips make one pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }
QRect twipRect(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}

constexpr int clientWidth = 9165;
// Title bar, borders and menu bar of the outer height, in twips: what remains is the client
// area, so that the strip at 4200 twips is hidden at 4770 and shown at 6600.
constexpr int nonClientHeight = 675;

QString text(const std::string& s) { return QString::fromStdString(s); }

QGroupBox* captionFrame(QWidget* parent, const char* name, QRect place, const QString& accessible) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(name);
  frame->setGeometry(place);
  // The caption sits on the frame's top line, leaving the line below it for the comment.
  frame->setStyleSheet(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 8px; padding: 0 3px; }");
  setCaptionAccessible(frame, accessible);
  return frame;
}

// The comment line inside a frame.
QLabel* captionLabel(QGroupBox* frame, const char* name, const QString& accessible) {
  auto* label = new QLabel(frame);
  label->setObjectName(name);
  label->setGeometry(twipRect(105, 210, 7155, 225));
  setCaptionAccessible(label, accessible);
  return label;
}

}  // namespace

Main::Main(ModalSeam& seam, QWidget* parent) : QMainWindow(parent), seam_(seam) {
  setObjectName("Main");
  setWindowTitle("Fotivo Folio");
  installCaptionAccessibility();
  buildControls();
  buildMenus();
  endProgram = [] { QCoreApplication::exit(0); };

  catagory_->onClick = [this] {
    if (catagory_->listIndex() >= 0) catagory_->setExpanded(catagory_->listIndex(), true);
  };
  catagory_->onPictureClick = [this](int row) { catagory_->setExpanded(row, true); };
  catagory_->onExpand = [this](int row) { openEntry(row); };
  catagory_->onCollapse = [this](int) { collapseEntry(); };
}

Main::~Main() = default;

void Main::buildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  catagory_ = new Outline(client);
  catagory_->setObjectName("catagory");
  catagory_->setGeometry(twipRect(105, 0, 1485, 4005));
  catagory_->setAccessibleName(tr("Albums"));
  catagory_->view()->setAccessibleName(tr("Albums"));

  frame1_ = captionFrame(client, "Frame1", twipRect(1785, 105, 7365, 540), tr("Active library"));
  label2_ = captionLabel(frame1_, "Label2", tr("Library comment"));
  frame2_ = captionFrame(client, "Frame2", twipRect(1785, 735, 7365, 3270), tr("Current album"));
  label1_ = captionLabel(frame2_, "Label1", tr("Album comment"));

  pics_ = new QListWidget(client);
  pics_->setObjectName("pics");
  pics_->setGeometry(twipRect(1890, 1260, 7155, 2595));
  pics_->setAccessibleName(tr("Pictures"));

  grid1_ = new QTableWidget(2, 7, client);
  grid1_->setObjectName("Grid1");
  grid1_->setGeometry(twipRect(0, 4200, 8520, 1695));
  grid1_->setAccessibleName(tr("Thumbnails"));
  grid1_->horizontalHeader()->hide();
  grid1_->verticalHeader()->hide();
  grid1_->horizontalHeader()->setMinimumSectionSize(0);
  grid1_->verticalHeader()->setMinimumSectionSize(0);
  grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid1_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid1_->setRowHeight(0, px(1400));
  grid1_->setRowHeight(1, px(250));
  grid1_->setColumnWidth(0, 0);
  for (int c = 1; c < 7; ++c) grid1_->setColumnWidth(c, px(1400));
  // Row 0 and column 0 are fixed: they take no selection.
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 7; ++c) {
      auto* cell = new QTableWidgetItem;
      if (r == 0 || c == 0) cell->setFlags(Qt::ItemIsEnabled);
      if (r == 1) cell->setTextAlignment(Qt::AlignCenter);
      grid1_->setItem(r, c, cell);
    }
  }

  morethumb_ = new QPushButton("-->", client);
  morethumb_->setObjectName("morethumb");
  morethumb_->setGeometry(twipRect(8610, 4410, 540, 435));
  morethumb_->setAccessibleDescription(tr("Next thumbnails"));
  morethumb_->setEnabled(false);
  prevthumb_ = new QPushButton("<--", client);
  prevthumb_->setObjectName("prevthumb");
  prevthumb_->setGeometry(twipRect(8610, 5250, 540, 435));
  prevthumb_->setAccessibleDescription(tr("Previous thumbnails"));
  prevthumb_->setEnabled(false);
}

void Main::buildMenus() {
  for (const MenuEntry& entry : menuTable()) {
    QAction* action = nullptr;
    if (entry.kind == MenuEntry::Menu) {
      QMenu* parentMenu = menu(entry.parent);
      QMenu* m = nullptr;
      if (entry.control == std::string_view(popupMenuName))
        m = new QMenu(entry.caption, this);
      else if (parentMenu != nullptr)
        m = parentMenu->addMenu(entry.caption);
      else
        m = menuBar()->addMenu(entry.caption);
      m->setObjectName(entry.control);
      menus_.emplace(entry.control, m);
      action = m->menuAction();
      if (entry.control == std::string_view(popupMenuName)) photodetail_ = m;
    } else {
      QMenu* parentMenu = menu(entry.parent);
      action = parentMenu != nullptr ? parentMenu->addAction(entry.caption)
                                     : menuBar()->addAction(entry.caption);
      action->setCheckable(entry.kind == MenuEntry::Checkable);
      items_.emplace(entry.control, action);
    }
    action->setObjectName(entry.control);
    action->setEnabled(entry.availableAtStart);
    if (entry.helpTopic != 0) {
      action->setProperty(helpTopicProperty, entry.helpTopic);
      helpTopics_.emplace(entry.control, entry.helpTopic);
    }
  }
  connect(item("Quit"), &QAction::triggered, this, [this] { quit(); });
}

QAction* Main::item(std::string_view control) const {
  auto found = items_.find(control);
  return found == items_.end() ? nullptr : found->second;
}

QMenu* Main::menu(std::string_view control) const {
  auto found = menus_.find(control);
  return found == menus_.end() ? nullptr : found->second;
}

int Main::helpTopic(std::string_view control) const {
  auto found = helpTopics_.find(control);
  return found == helpTopics_.end() ? 0 : found->second;
}

void Main::setOuterHeight(int twips) {
  outerHeight_ = twips;
  const int clientHeight = px(twips - nonClientHeight);
  centralWidget()->setFixedSize(px(clientWidth), clientHeight);
  setFixedSize(px(clientWidth), menuBar()->sizeHint().height() + clientHeight);
}

void Main::startup() {
  // 1. The strip is hidden.
  setOuterHeight(stripHiddenHeight);
  // 2. Start values; the home directory is the directory the program was started in.
  Model& model = state_.model;
  model.actlib = 0;
  model.liblast = -1;
  model.curalbum = 0;
  model.rmtlast = 0;
  state_.thumbson = false;
  state_.camopen = false;
  state_.imgformat = 0;
  model.homedir = std::filesystem::current_path().string();
  model.libdir = model.homedir;
  // 3. and 4. The main library: created on first start, loaded otherwise.
  createmain();
  if (model.liblast == -1) loadlib(model.homedir + libidxname);
  // 5. The tree, with the main library opened.
  catrefresh();
  if (catagory_->listCount() > 0) catagory_->setExpanded(0, true);
  // 6. The external editor.
  EditorSettingsFile editor = loadeditorsettings(model.homedir);
  report(editor.problems);
  if (editor.exists) {
    state_.editorpath = editor.editorpath;
    item("editpix")->setEnabled(true);
  }
  // 7. The camera: port, camera types and bit rate of the session, and the image format.
  CameraSettingsFile camera = loadcamerasettings(model.homedir);
  report(camera.problems);
  if (camera.exists) {
    state_.camsession.port = camera.settings.port;
    state_.camsession.cameratype = camera.settings.cameratype;
    state_.camsession.cameratype2 = camera.settings.cameratype2;
    state_.camsession.bitrate = camera.settings.bitrate;
    state_.imgformat = camera.settings.imgformat;
    item("Impcam")->setEnabled(true);
  }
  // 8. The scanner.
  if (TWAIN_IsAvailable() == 1) menu("twainmenu")->menuAction()->setEnabled(true);
}

bool Main::report(const Problems& problems, const QString& title) {
  if (problems.empty()) return true;
  QStringList lines;
  for (const FileProblem& problem : problems) lines << text(problem.message);
  seam_.message(lines.join("\n\n"), title, ModalSeam::Buttons::Ok,
                ModalSeam::Icon::Exclamation);
  return false;
}

bool Main::createmain() { return report(fotivo::createmain(state_.model)); }
bool Main::loadlib(const std::string& file) { return report(fotivo::loadlib(state_.model, file)); }
bool Main::savelib(const std::string& file, int hdr) {
  return report(fotivo::savelib(state_.model, file, hdr));
}
bool Main::picload() { return report(fotivo::picload(state_.model)); }
bool Main::savepic() { return report(fotivo::savepic(state_.model)); }
bool Main::remoteload() { return report(fotivo::remoteload(state_.model)); }
bool Main::saveremote() { return report(fotivo::saveremote(state_.model)); }

void Main::catrefresh() {
  const Model& model = state_.model;
  catagory_->clear();
  for (int p = 0; p <= model.liblast; ++p) {
    catagory_->addItem(text(model.liblist[p].name));
    catagory_->setIndent(p, model.liblist[p].islib ? 1 : 2);
  }
}

void Main::picrefresh() {
  const Model& model = state_.model;
  pics_->clear();
  QStringList rows;
  for (int p = 1; p <= model.piccount; ++p) {
    const picentry& picture = model.piclist[p];
    rows << text(picture.name) + "  << " + text(picture.comment) + "  >>";
  }
  pics_->addItems(rows);
}

void Main::showthumb() {
  if (thumbStrip_ != nullptr) thumbStrip_->showthumb();
}

void Main::clearthumb() {
  if (thumbStrip_ != nullptr) thumbStrip_->clearthumb();
}

void Main::openEntry(int r) {
  Model& model = state_.model;
  if (r < 0 || r > model.liblast) return;
  const libentry& entry = model.liblist[r];
  if (!entry.islib) {
    catagory_->setPictureType(model.curalbum, Outline::ClosedFolder);
    catagory_->setPictureType(r, Outline::OpenFolder);
    model.curalbum = r;
    frame2_->setTitle("Current Album is " + text(entry.name));
    label1_->setText(text(entry.comment));
    pics_->clear();
    model.albumdir = entry.dir;
    BusyPointer busy;
    if (std::filesystem::exists(model.albumdir + photoidxname)) {
      picload();
      picrefresh();
      if (pics_->count() > 0) pics_->setCurrentRow(0);
      if (state_.thumbson) {
        clearthumb();
        state_.thumbfirst = 1;
        showthumb();
        grid1_->setCurrentCell(1, 1);
      }
    } else {
      model.piccount = 0;
      if (state_.thumbson) clearthumb();
    }
    return;
  }
  // A library header: it becomes the active library; the open album stays open.
  if (model.actlib != r) catagory_->setExpanded(model.actlib, false);
  catagory_->setPictureType(model.actlib, Outline::ClosedFolder);
  catagory_->setPictureType(r, Outline::OpenFolder);
  frame1_->setTitle("Active Library is " + text(entry.name));
  frame2_->setTitle(" ");
  if (state_.thumbson) clearthumb();
  label2_->setText(text(entry.comment));
  model.actlib = r;
  model.actlibhdr = r;
}

void Main::collapseEntry() {
  label1_->setText("");
  pics_->clear();
}

bool Main::quit() {
  if (seam_.message("Do you want end this session ?", "End program ?",
                    ModalSeam::Buttons::OkCancel, ModalSeam::Icon::None) != ModalSeam::Answer::Ok)
    return false;
  if (state_.camopen && closeCameraSession) closeCameraSession();
  ending_ = true;
  endProgram();
  return true;
}

void Main::closeEvent(QCloseEvent* event) {
  // Closing through the window frame is the same as "Exit": confirmed, and the camera closed.
  if (ending_ || quit())
    event->accept();
  else
    event->ignore();
}

}  // namespace fotivo
