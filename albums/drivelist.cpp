#include "albums/drivelist.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "albums/drives.h"
#include "albums/remote_libraries.h"
#include "app/main_window.h"
#include "library/model.h"

namespace fotivo {
namespace {

// Whether dir holds a file that the file system names exactly "LIBIDX.IDX".
bool holdslibraryindex(const std::string& dir) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error))
    if (entry.path().filename() == libidxname + 1 && entry.is_regular_file(error)) return true;
  return false;
}

}  // namespace

Drivelist::Drivelist(Main& main)
    : QDialog(&main),
      main_(main),
      drive1_(new QComboBox(this)),
      dir1_(new QTreeView(this)),
      dirs_(new QFileSystemModel(this)),
      command1_(new QPushButton("Attach", this)),
      command2_(new QPushButton("Cancel", this)) {
  setObjectName("drivelist");
  setWindowTitle("Drive List");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(420, 380);
  auto* driveLabel = new QLabel("Select drive:", this);
  auto* dirLabel = new QLabel("Open library directory", this);
  drive1_->setObjectName("Drive1");
  drive1_->setAccessibleName(driveLabel->text());
  dirs_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  dir1_->setObjectName("Dir1");
  dir1_->setAccessibleName(dirLabel->text());
  dir1_->setModel(dirs_);
  for (int column = 1; column < dirs_->columnCount(); ++column) dir1_->hideColumn(column);
  dir1_->setHeaderHidden(true);
  command1_->setObjectName("Command1");
  command1_->setDefault(true);
  command2_->setObjectName("Command2");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1_);
  buttons->addStretch();
  buttons->addWidget(command2_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(driveLabel);
  layout->addWidget(drive1_);
  layout->addWidget(dirLabel);
  layout->addWidget(dir1_);
  layout->addLayout(buttons);

  connect(drive1_, &QComboBox::currentIndexChanged, this, &Drivelist::driveChanged);
  connect(dir1_, &QTreeView::clicked, this,
          [this](const QModelIndex& index) { path_ = dirs_->filePath(index).toStdString(); });
  connect(command1_, &QPushButton::clicked, this, &Drivelist::attach);
  connect(command2_, &QPushButton::clicked, this, &Drivelist::hide);
}

void Drivelist::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  const QSignalBlocker block(drive1_);
  filldrives(*drive1_);
  if (path_.empty()) driveChanged();
}

void Drivelist::setPath(const std::string& path) {
  path_ = path;
  dir1_->setCurrentIndex(dirs_->index(QString::fromStdString(path)));
}

// A new drive shows its own directory.
void Drivelist::driveChanged() {
  const QString drive = drive1_->currentText();
  dir1_->setRootIndex(dirs_->setRootPath(drive));
  path_ = drive.toStdString();
}

void Drivelist::attach() {
  const std::string q = path_;
  if (!q.empty() && !isdriveroot(q) && holdslibraryindex(q)) attachlibrary(main_, q + libidxname);
  hide();
}

Drivelist& drivelist(Main& main) {
  static QPointer<Drivelist> dialog;
  if (!dialog || dialog->parent() != &main) dialog = new Drivelist(main);
  return *dialog;
}

}  // namespace fotivo
