#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <functional>

// The one list type of the program. Every list, on screen or hidden, holds its
// rows here, together with the selected row and the click handler.
//
// The rules the windows rely on:
//  - reading row -1 or a row at or past the end gives the empty text;
//  - add, remove, clear and setText never run the click handler;
//  - a selection follows its row when rows are inserted or removed before it,
//    and is lost (-1) when its row is removed or the list is cleared;
//  - select() of a row other than the selected one runs the click handler at
//    once, before select() returns; selecting the selected row runs nothing;
//  - a sorted list keeps its rows in Bulgarian alphabetical order, without
//    regard to case, the empty text first.
class StringList : public QAbstractListModel {
  Q_OBJECT

 public:
  using ClickHandler = std::function<void(int index)>;

  enum class Order { Unsorted, Sorted };

  explicit StringList(Order order = Order::Unsorted, int index = 0,
                      QObject *parent = nullptr);

  int count() const { return int(m_rows.size()); }
  QString text(int row) const;
  void setText(int row, const QString &text);
  void add(const QString &text);
  void remove(int row);
  void clear();
  int selectedRow() const { return m_selected; }
  void select(int row);
  bool isSorted() const { return m_sorted; }
  const QStringList &rows() const { return m_rows; }

  // The handler receives the list's index within its array.
  void setClickHandler(ClickHandler handler) { m_handler = std::move(handler); }
  int arrayIndex() const { return m_index; }

  // A selection the learner made on a view of this list. Ignored while the
  // list itself is moving rows, when the view only echoes that change.
  void selectFromView(int row);

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;

 signals:
  // The selected row changed, by code, by the learner or because rows moved.
  void selectedRowChanged(int row);

 private:
  int sortedPosition(const QString &text) const;
  void setSelected(int row);

  QStringList m_rows;
  int m_selected = -1;
  bool m_sorted;
  int m_index;
  bool m_moving = false;
  ClickHandler m_handler;
};
