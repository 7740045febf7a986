#pragma once

#include <QPlainTextEdit>

// A text box whose text is kept exactly as the program set it, line breaks
// as CR LF included; it shows each CR LF as a new line.
class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget *parent = nullptr);

  const QString &text() const { return m_text; }
  void setText(const QString &text);

 private:
  QString m_text;
};
