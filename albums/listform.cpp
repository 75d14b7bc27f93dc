#include "albums/listform.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"

namespace fotivo {

Listform::Listform(Main& main)
    : QDialog(&main),
      main_(main),
      listlist_(new QListWidget(this)),
      command1_(new QPushButton("Search", this)),
      listcancel_(new QPushButton("Cancel", this)) {
  setObjectName("listform");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(420, 300);
  listlist_->setObjectName("listlist");
  listlist_->setAccessibleName("Libraries and albums");
  command1_->setObjectName("Command1");
  command1_->setAutoDefault(false);
  listcancel_->setObjectName("listcancel");
  listcancel_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command1_);
  buttons->addStretch();
  buttons->addWidget(listcancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listlist_);
  layout->addLayout(buttons);

  connect(listlist_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(listlist_->row(item)); });
  connect(listlist_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(listlist_->row(item)); });
  connect(listcancel_, &QPushButton::clicked, this, &Listform::reject);
  connect(command1_, &QPushButton::clicked, this, [this] {
    searched_ = true;
    hide();
  });
}

void Listform::fill(const QString& title, const QStringList& rows, bool offered) {
  setWindowTitle(title);
  listlist_->clear();
  listlist_->addItems(rows);
  offerSearch(offered);
  chosen_ = -1;
  searched_ = false;
}

void Listform::offerSearch(bool offered) { command1_->setVisible(offered); }

void Listform::choose(int row) {
  chosen_ = row;
  hide();
}

void Listform::reject() {
  main_.state().dlgok = false;
  chosen_ = -1;
  hide();
}

Listform& listform(Main& main) {
  static QPointer<Listform> dialog;
  if (!dialog || dialog->parent() != &main) dialog = new Listform(main);
  return *dialog;
}

}  // namespace fotivo
