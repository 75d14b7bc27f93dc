// The dialog that attaches a library found on disk: a drive and a directory on it.
// Created once, then hidden and shown again.
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

namespace fotivo {

class Main;

class Drivelist : public QDialog {
  Q_OBJECT

 public:
  explicit Drivelist(Main& main);

  QComboBox* Drive1() const { return drive1_; }
  QTreeView* Dir1() const { return dir1_; }
  QPushButton* Command1() const { return command1_; }  // "Attach"
  QPushButton* Command2() const { return command2_; }  // "Cancel"

  // The directory chosen in Dir1, and choosing one as a click on it does.
  std::string path() const { return path_; }
  void setPath(const std::string& path);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void driveChanged();
  void attach();

  Main& main_;
  QComboBox* drive1_;
  QTreeView* dir1_;
  QFileSystemModel* dirs_;
  QPushButton* command1_;
  QPushButton* command2_;
  std::string path_;
};

Drivelist& drivelist(Main& main);

}  // namespace fotivo
