#include "settings/stand_in_window.h"

#include <QLabel>

#include "core/colours.h"
#include "core/numbers.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/appearance_record.h"

StandInWindow::StandInWindow() {
  fillAppearanceRecord(record);
  form.setFixedSize(twipsToPixels(6000), twipsToPixels(3000));
  form.setFont(QFont(u"DejaVu Sans"_qs, 10));
  setBackground(form, kStandInForm);
  for (int i = 0; i < 3; ++i) {
    views[i] = new StringListView(lists[i], &form);
    views[i]->setGeometry(twipsRect(600 + 1800 * i, 600, 1500, 1200));
  }
  info = new TextBox(&form);
  info->setGeometry(twipsRect(600, 2000, 3000, 600));
  status = new QLabel(u"Оставащи:"_qs, &form);
  status->setGeometry(twipsRect(4000, 2000, 1500, 375));
  for (QWidget *field : textFields()) {
    setBackground(*field, kStandInField);
    setTextColour(*field, kStandInText);
  }
}

QList<QWidget *> StandInWindow::textFields() {
  return {views[0], views[1], views[2], info, status};
}

QList<QWidget *> StandInWindow::fontFields() { return {views[0], views[1], views[2], info}; }
