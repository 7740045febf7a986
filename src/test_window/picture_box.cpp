#include "test_window/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/colours.h"
#include "core/numbers.h"

PictureBox::PictureBox(QWidget *parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::StrongFocus);
  setBackground(*this, palette().color(QPalette::Button));
}

void PictureBox::setPicture(const QPixmap &picture) {
  m_picture = picture;
  setPixmap(picture);
}

void PictureBox::setSizeInTwips(QSizeF size) {
  m_sizeTwips = size;
  resize(twipsToPixels(size.width()), twipsToPixels(size.height()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit clicked();
      break;
    default:
      QLabel::keyPressEvent(event);
  }
}
