#include "core/string_list_view.h"

#include "core/string_list.h"

StringListView::StringListView(StringList &list, QWidget *parent)
    : QListView(parent), m_list(list) {
  setModel(&list);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &StringListView::takeLearnerSelection);
  connect(&list, &StringList::selectedRowChanged, this,
          &StringListView::showSelectedRow);
  showSelectedRow(list.selectedRow());
}

// A learner can move the selection but, as in any single-choice list box,
// cannot take it away: a view left without selection shows the list's again.
void StringListView::takeLearnerSelection() {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  if (selected.isEmpty())
    showSelectedRow(m_list.selectedRow());
  else
    m_list.selectFromView(selected.first().row());
}

void StringListView::showSelectedRow(int row) {
  const QModelIndex index = m_list.index(row);
  if (!index.isValid()) {
    selectionModel()->clearSelection();
    return;
  }
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
}
