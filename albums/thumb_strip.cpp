#include "albums/thumb_strip.h"

#include <QAction>
#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "albums/strip_paging.h"
#include "app/busy_pointer.h"
#include "app/twips.h"

namespace fotivo {
namespace {

constexpr int cellSize = 1400;  // twips

// A thumbnail bitmap as the cell shows it; a larger picture is decoded at the cell's size.
// A missing or unreadable file gives an empty cell.
QPixmap thumbnail(const std::string& file) {
  QImageReader reader(QString::fromStdString(file));
  const QSize size = reader.size();
  const QSize cell(px(cellSize), px(cellSize));
  if (size.isValid() && (size.width() > cell.width() || size.height() > cell.height()))
    reader.setScaledSize(size.scaled(cell, Qt::KeepAspectRatio));
  return QPixmap::fromImage(reader.read());
}

QLabel* pictureCell(QTableWidget* grid, int column) {
  auto* label = qobject_cast<QLabel*>(grid->cellWidget(0, column));
  if (!label) {
    label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    grid->setCellWidget(0, column, label);
  }
  return label;
}

}  // namespace

ThumbStripControl::ThumbStripControl(Main& main) : QObject(&main), main_(main) {
  main.setThumbStrip(this);
  connect(main.item("viewthumb"), &QAction::triggered, this, &ThumbStripControl::viewthumb);
  connect(main.morethumb(), &QPushButton::clicked, this, &ThumbStripControl::morethumb);
  connect(main.prevthumb(), &QPushButton::clicked, this, &ThumbStripControl::prevthumb);
  connect(main.pics(), &QListWidget::currentRowChanged, this, &ThumbStripControl::picsSelected);
  connect(main.pics(), &QListWidget::itemClicked, this, &ThumbStripControl::picsSelected);
  connect(main.Grid1(), &QTableWidget::cellClicked, this,
          [this](int, int column) { gridClicked(column); });
  main.pics()->viewport()->installEventFilter(this);
  main.Grid1()->viewport()->installEventFilter(this);
  main.item("viewthumb")->setCheckable(true);
}

void ThumbStripControl::clearthumb() {
  for (int c = 1; c <= strip::columns; ++c) {
    pictureCell(main_.Grid1(), c)->setPixmap(QPixmap());
    main_.Grid1()->item(1, c)->setText(" ");
  }
}

void ThumbStripControl::showthumb() {
  const ProgramState& state = main_.state();
  const Model& model = state.model;
  const int first = state.thumbfirst;
  for (int p = first; p <= strip::pageEnd(first, model.piccount); ++p) {
    const int c = p - first + 1;
    main_.Grid1()->setColumnWidth(c, px(cellSize));
    pictureCell(main_.Grid1(), c)->setPixmap(thumbnail(model.piclist[p].thumbfile));
    main_.Grid1()->item(1, c)->setText(QString::fromStdString(model.piclist[p].name));
  }
  main_.morethumb()->setEnabled(strip::moreEnabled(first, model.piccount));
  main_.prevthumb()->setEnabled(strip::prevEnabled(first));
  selectCaption(strip::captionColumn(first, main_.pics()->currentRow()));
}

void ThumbStripControl::viewthumb() {
  ProgramState& state = main_.state();
  if (state.thumbson) {
    main_.setOuterHeight(stripHiddenHeight);
    state.thumbson = false;
  } else {
    main_.setOuterHeight(stripShownHeight);
    state.thumbson = true;
    main_.Grid1()->setRowHeight(0, px(cellSize));
    main_.Grid1()->setRowHeight(1, px(250));
    main_.Grid1()->setColumnWidth(0, 0);
    state.thumbfirst = 1;
    clearthumb();
    showthumb();
  }
  main_.item("viewthumb")->setChecked(state.thumbson);
}

void ThumbStripControl::morethumb() {
  BusyPointer busy;
  main_.state().thumbfirst += strip::columns;
  clearthumb();
  showthumb();
}

void ThumbStripControl::prevthumb() {
  BusyPointer busy;
  ProgramState& state = main_.state();
  const bool belowFirst = state.thumbfirst - strip::columns < 1;
  state.thumbfirst = strip::previousPage(state.thumbfirst);
  if (belowFirst) main_.pics()->setCurrentRow(0);
  showthumb();
}

void ThumbStripControl::picsSelected() {
  ProgramState& state = main_.state();
  if (!state.thumbson) return;
  const int row = main_.pics()->currentRow();
  const int first = strip::pageForSelection(state.thumbfirst, row);
  if (first != state.thumbfirst) {
    BusyPointer busy;
    state.thumbfirst = first;
    clearthumb();
    showthumb();
  }
  selectCaption(strip::captionColumn(state.thumbfirst, row));
}

void ThumbStripControl::gridClicked(int column) {
  const int k = strip::rowOfColumn(main_.state().thumbfirst, column, main_.pics()->count());
  if (k >= 0 && k != main_.pics()->currentRow()) main_.pics()->setCurrentRow(k);
  if (column >= 1 && column <= strip::columns) selectCaption(column);
}

void ThumbStripControl::selectCaption(int column) {
  QTableWidget* grid = main_.Grid1();
  grid->clearSelection();
  grid->setCurrentCell(1, column);
  grid->setRangeSelected(QTableWidgetSelectionRange(1, column, 1, column), true);
}

// The right button pops up the picture menu and leaves the selection as it was.
bool ThumbStripControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      popupPhotodetail(mouse->globalPosition().toPoint());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

// The picture commands act on the selected row; with none selected they are unavailable.
void ThumbStripControl::popupPhotodetail(const QPoint& globalPos) {
  QMenu* menu = main_.Photodetail();
  menu->setEnabled(main_.pics()->currentRow() >= 0);
  menu->popup(globalPos);
}

}  // namespace fotivo
