#include "core/string_list.h"

#include <QCollator>
#include <QLocale>

namespace {

// One collator serves every sorted list: Bulgarian, blind to case.
const QCollator &bulgarianCollator() {
  static const QCollator collator = [] {
    QCollator bulgarian(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    bulgarian.setCaseSensitivity(Qt::CaseInsensitive);
    return bulgarian;
  }();
  return collator;
}

}  // namespace

StringList::StringList(Order order, int index, QObject *parent)
    : QAbstractListModel(parent), m_sorted(order == Order::Sorted), m_index(index) {}

QString StringList::text(int row) const {
  return row >= 0 && row < count() ? m_rows.at(row) : QString();
}

void StringList::setText(int row, const QString &text) {
  if (row < 0 || row >= count()) return;
  m_rows[row] = text;
  emit dataChanged(index(row), index(row));
}

// Rows equal to the new text stay before it.
int StringList::sortedPosition(const QString &text) const {
  if (text.isEmpty()) {
    int row = 0;
    while (row < count() && m_rows.at(row).isEmpty()) ++row;
    return row;
  }
  const QCollator &collator = bulgarianCollator();
  auto goesAfter = [&collator, &text](const QString &row) {
    return row.isEmpty() || collator.compare(row, text) <= 0;
  };
  int low = 0;
  int high = count();
  while (low < high) {
    const int middle = (low + high) / 2;
    if (goesAfter(m_rows.at(middle)))
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

void StringList::add(const QString &text) {
  const int row = m_sorted ? sortedPosition(text) : count();
  m_moving = true;
  beginInsertRows(QModelIndex(), row, row);
  m_rows.insert(row, text);
  endInsertRows();
  m_moving = false;
  if (m_selected >= row) setSelected(m_selected + 1);
}

void StringList::remove(int row) {
  if (row < 0 || row >= count()) return;
  m_moving = true;
  beginRemoveRows(QModelIndex(), row, row);
  m_rows.removeAt(row);
  endRemoveRows();
  m_moving = false;
  if (m_selected == row)
    setSelected(-1);
  else if (m_selected > row)
    setSelected(m_selected - 1);
}

void StringList::clear() {
  m_moving = true;
  beginResetModel();
  m_rows.clear();
  endResetModel();
  m_moving = false;
  setSelected(-1);
}

void StringList::select(int row) {
  if (row < -1 || row >= count() || row == m_selected) return;
  setSelected(row);
  if (m_handler) m_handler(m_index);
}

void StringList::selectFromView(int row) {
  if (!m_moving) select(row);
}

void StringList::setSelected(int row) {
  m_selected = row;
  emit selectedRowChanged(row);
}

int StringList::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : count();
}

QVariant StringList::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= count()) return {};
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
    return m_rows.at(index.row());
  return {};
}
