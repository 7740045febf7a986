#pragma once

#include <QListView>

class StringList;

// A list on screen: shows a StringList, hands the learner's selections to it
// and shows the selections made in code.
class StringListView : public QListView {
  Q_OBJECT

 public:
  StringListView(StringList &list, QWidget *parent = nullptr);

  StringList &list() const { return m_list; }

 private:
  void showSelectedRow(int row);
  void takeLearnerSelection();

  StringList &m_list;
};
