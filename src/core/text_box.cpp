#include "core/text_box.h"

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTabChangesFocus(true);
  setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
}

void TextBox::setText(const QString &text) {
  m_text = text;
  QString shown = text;
  shown.replace(u"\r\n"_qs, u"\n"_qs);
  setPlainText(shown);
}
