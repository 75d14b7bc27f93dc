// The main window "Fotivo Folio": the album tree, the picture list, the thumbnail strip and
// the whole menu bar. It owns the program's state and the procedures that every window calls.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/program_state.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;

namespace fotivo {

class ModalSeam;
class Outline;

// Shows and empties the thumbnail strip; the albums subsystem provides it.
class ThumbStrip {
 public:
  virtual ~ThumbStrip() = default;
  virtual void showthumb() = 0;
  virtual void clearthumb() = 0;
};

// Name of the int property that each menu action (and each menu's menuAction()) with a help
// topic carries.
inline constexpr const char* helpTopicProperty = "helpTopic";

// Outer window heights in twips: thumbnail strip hidden and shown.
inline constexpr int stripHiddenHeight = 4770, stripShownHeight = 6600;

class Main : public QMainWindow {
  Q_OBJECT

 public:
  // seam must outlive the window.
  explicit Main(ModalSeam& seam, QWidget* parent = nullptr);
  ~Main() override;

  ProgramState& state() { return state_; }
  ModalSeam& seam() { return seam_; }

  // Controls, under their names.
  Outline* catagory() const { return catagory_; }
  QGroupBox* Frame1() const { return frame1_; }
  QLabel* Label2() const { return label2_; }
  QGroupBox* Frame2() const { return frame2_; }
  QLabel* Label1() const { return label1_; }
  QListWidget* pics() const { return pics_; }
  QTableWidget* Grid1() const { return grid1_; }
  QPushButton* morethumb() const { return morethumb_; }
  QPushButton* prevthumb() const { return prevthumb_; }
  QMenu* Photodetail() const { return photodetail_; }

  // A menu item by its control name ("Quit", "Addcat", "editpix", ...); nullptr if unknown.
  QAction* item(std::string_view control) const;
  // A menu by its control name ("attachmnu", "catmenu", "thumbmenu", "importmenu",
  // "twainmenu", "Photodetail", "setpref", "helpmenu"); nullptr if unknown.
  QMenu* menu(std::string_view control) const;
  // Help topic number of an item or menu by control name; 0 when it has none.
  int helpTopic(std::string_view control) const;

  // Sets the window's outer height in twips (stripHiddenHeight or stripShownHeight).
  void setOuterHeight(int twips);
  int outerHeight() const { return outerHeight_; }

  // Start-up: builds the model, fills the tree, opens the main library, reads the settings
  // files and decides which menu items are available. Run once, before the window is shown.
  void startup();

  // Model procedures. Each reports any problem through the seam and returns true when all
  // went well.
  bool createmain();
  bool loadlib(const std::string& file);
  bool savelib(const std::string& file, int hdr);
  bool picload();
  bool savepic();
  bool remoteload();
  bool saveremote();

  // Tells the user of file problems in one message box under title; true when there were none.
  bool report(const Problems& problems, const QString& title = QStringLiteral("File problem"));

  // Rebuild the album tree from liblist and the picture list from piclist.
  void catrefresh();
  void picrefresh();

  // Thumbnail strip; nothing happens while no strip is installed.
  void setThumbStrip(ThumbStrip* strip) { thumbStrip_ = strip; }  // not owned
  void showthumb();
  void clearthumb();

  // Opens the entry at liblist position row: the album tree's Expand handling.
  void openEntry(int row);

  // Set by the camera subsystem: closes the open camera session at exit.
  std::function<void()> closeCameraSession;
  // Ends the program; tests replace it to see the end.
  std::function<void()> endProgram;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  bool quit();  // the Exit confirmation; true when the program ends
  void collapseEntry();

  ModalSeam& seam_;
  ProgramState state_;
  ThumbStrip* thumbStrip_ = nullptr;
  int outerHeight_ = 0;
  bool ending_ = false;

  Outline* catagory_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QLabel* label2_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QLabel* label1_ = nullptr;
  QListWidget* pics_ = nullptr;
  QTableWidget* grid1_ = nullptr;
  QPushButton* morethumb_ = nullptr;
  QPushButton* prevthumb_ = nullptr;
  QMenu* photodetail_ = nullptr;

  std::map<std::string, QAction*, std::less<>> items_;
  std::map<std::string, QMenu*, std::less<>> menus_;
  std::map<std::string, int, std::less<>> helpTopics_;
};

}  // namespace fotivo
