#include "app/outline.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fotivo {

// The tree view: reports a release of the left button on a row's text or picture.
class Outline::View : public QTreeWidget {
 public:
  View(Outline* owner) : QTreeWidget(owner), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = itemAt(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    const bool onRow = item != nullptr && item == pressed_ && event->button() == Qt::LeftButton &&
                       visualItemRect(item).contains(at);
    const bool onPicture = onRow && pictureRect(item).contains(at);
    pressed_ = nullptr;
    QTreeWidget::mouseReleaseEvent(event);
    if (onRow) owner_->userPressed(item, onPicture);
  }

 private:
  QRect pictureRect(QTreeWidgetItem* item) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    option.icon = item->icon(0);
    option.text = item->text(0);
    option.decorationSize = iconSize().isValid() ? iconSize() : option.decorationSize;
    return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
  }

  Outline* owner_;
  QTreeWidgetItem* pressed_ = nullptr;
};

namespace {

QIcon pictureIcon(const QWidget* widget, int type) {
  static constexpr QStyle::StandardPixmap pixmaps[] = {QStyle::SP_DirClosedIcon,
                                                      QStyle::SP_DirOpenIcon, QStyle::SP_FileIcon};
  return widget->style()->standardIcon(pixmaps[type]);
}

}  // namespace

Outline::Outline(QWidget* parent) : QWidget(parent), view_(new View(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->setHeaderHidden(true);
  view_->setColumnCount(1);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setExpandsOnDoubleClick(false);
  // Selecting a row must never unfold its library behind the program's back.
  view_->setAutoScroll(false);
  view_->setIndentation(14);
  // Names are short: the one column fills the narrow tree and a longer name is elided.
  view_->header()->setStretchLastSection(true);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusProxy(view_);
  connect(view_, &QTreeWidget::itemExpanded, this,
          [this](QTreeWidgetItem* item) { userExpanded(item, true); });
  connect(view_, &QTreeWidget::itemCollapsed, this,
          [this](QTreeWidgetItem* item) { userExpanded(item, false); });
}

void Outline::clear() {
  QSignalBlocker block(view_);
  view_->clear();
  rows_.clear();
}

void Outline::addItem(const QString& text) {
  QSignalBlocker block(view_);
  auto* item = new QTreeWidgetItem(QStringList{text});
  item->setData(0, Qt::UserRole, listCount());
  item->setIcon(0, pictureIcon(this, ClosedFolder));
  view_->addTopLevelItem(item);
  rows_.push_back({item});
}

QString Outline::text(int row) const { return valid(row) ? rows_[row].item->text(0) : QString(); }

int Outline::listIndex() const { return rowOf(view_->currentItem()); }

void Outline::setListIndex(int row) {
  QSignalBlocker block(view_);
  if (!valid(row)) {
    view_->setCurrentItem(nullptr);
    view_->clearSelection();
    return;
  }
  view_->setCurrentItem(rows_[row].item);
  QTreeWidgetItem* parent = rows_[row].item->parent();
  if (parent == nullptr || parent->isExpanded()) view_->scrollToItem(rows_[row].item);
}

int Outline::indent(int row) const { return valid(row) ? rows_[row].indent : 0; }

void Outline::setIndent(int row, int level) {
  if (!valid(row) || (level != 1 && level != 2) || rows_[row].indent == level) return;
  rows_[row].indent = level;
  QSignalBlocker block(view_);
  // Rows are added one by one and given their level at once: the last row moves alone.
  if (row == listCount() - 1 && level == 2 && rows_[row].item->parent() == nullptr) {
    for (int above = row - 1; above >= 0; --above) {
      if (rows_[above].indent == 1) {
        QTreeWidgetItem* item = view_->takeTopLevelItem(view_->indexOfTopLevelItem(rows_[row].item));
        rows_[above].item->addChild(item);
        return;
      }
    }
    return;
  }
  placeItems();
}

void Outline::placeItems() {
  for (Row& r : rows_) {
    if (QTreeWidgetItem* parent = r.item->parent())
      parent->removeChild(r.item);
    else
      view_->takeTopLevelItem(view_->indexOfTopLevelItem(r.item));
  }
  QTreeWidgetItem* header = nullptr;
  for (Row& r : rows_) {
    if (r.indent == 2 && header != nullptr) {
      header->addChild(r.item);
    } else {
      view_->addTopLevelItem(r.item);
      if (r.indent == 1) header = r.item;
    }
  }
  for (Row& r : rows_) r.item->setExpanded(r.expanded);
}

bool Outline::expanded(int row) const { return valid(row) && rows_[row].expanded; }

void Outline::setExpanded(int row, bool expanded) {
  if (!valid(row)) return;
  const bool was = rows_[row].expanded;
  rows_[row].expanded = expanded;
  {
    QSignalBlocker block(view_);
    rows_[row].item->setExpanded(expanded);
  }
  if (expanded && onExpand) onExpand(row);
  if (!expanded && was && onCollapse) onCollapse(row);
}

int Outline::pictureType(int row) const { return valid(row) ? rows_[row].picture : ClosedFolder; }

void Outline::setPictureType(int row, int type) {
  if (!valid(row) || type < ClosedFolder || type > Leaf) return;
  rows_[row].picture = type;
  rows_[row].item->setIcon(0, pictureIcon(this, type));
}

int Outline::rowOf(const QTreeWidgetItem* item) const {
  if (item == nullptr) return -1;
  const int row = item->data(0, Qt::UserRole).toInt();
  return valid(row) && rows_[row].item == item ? row : -1;
}

void Outline::userExpanded(QTreeWidgetItem* item, bool expanded) {
  const int row = rowOf(item);
  if (row < 0) return;
  const bool was = rows_[row].expanded;
  rows_[row].expanded = expanded;
  if (expanded && onExpand) onExpand(row);
  if (!expanded && was && onCollapse) onCollapse(row);
}

void Outline::userPressed(QTreeWidgetItem* item, bool onPicture) {
  const int row = rowOf(item);
  if (row < 0) return;
  if (onPicture) {
    if (onPictureClick) onPictureClick(row);
  } else if (onClick) {
    onClick();
  }
}

}  // namespace fotivo
