// The album tree: a list of rows, each with a text, an indent level (1 or 2), an expansion
// state and a picture kind, shown over a QTreeWidget. Rows of level 2 show under the level-1
// row above them. Every notification is delivered synchronously, inside the call or the user
// action that caused it, for rows of both levels.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace fotivo {

class Outline : public QWidget {
  Q_OBJECT

 public:
  enum PictureType { ClosedFolder = 0, OpenFolder = 1, Leaf = 2 };

  explicit Outline(QWidget* parent = nullptr);

  // Removes all rows.
  void clear();
  // Adds a row at the end, at indent level 1, not expanded, picture kind closed folder.
  void addItem(const QString& text);
  int listCount() const { return static_cast<int>(rows_.size()); }
  QString text(int row) const;

  // The selected row, -1 when none. Setting it selects without a click notification.
  int listIndex() const;
  void setListIndex(int row);

  int indent(int row) const;
  void setIndent(int row, int level);

  bool expanded(int row) const;
  // true always delivers Expand, even for a row already expanded; false delivers Collapse when
  // the row was expanded.
  void setExpanded(int row, bool expanded);

  int pictureType(int row) const;
  void setPictureType(int row, int type);

  // Notifications: the user clicked a row's text (the row is then selected), clicked a row's
  // picture, or a row was expanded or collapsed by the user or by the program.
  std::function<void()> onClick;
  std::function<void(int row)> onPictureClick;
  std::function<void(int row)> onExpand;
  std::function<void(int row)> onCollapse;

  // The view, for tests that operate it as a user would.
  QTreeWidget* view() const { return view_; }

 private:
  struct Row {
    QTreeWidgetItem* item;
    int indent = 1;
    bool expanded = false;
    int picture = ClosedFolder;
  };
  class View;

  bool valid(int row) const { return row >= 0 && row < listCount(); }
  int rowOf(const QTreeWidgetItem* item) const;
  void placeItems();
  void userExpanded(QTreeWidgetItem* item, bool expanded);
  void userPressed(QTreeWidgetItem* item, bool onPicture);

  QTreeWidget* view_;
  std::vector<Row> rows_;
};

}  // namespace fotivo
