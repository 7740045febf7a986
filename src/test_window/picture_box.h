#pragma once

#include <QLabel>
#include <QPixmap>

// A picture box: shows its picture at the top left corner, unscaled. Giving
// a box the picture of another shares the image. The learner can click it,
// or press Space or Enter while it has the focus.
class PictureBox : public QLabel {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget *parent = nullptr);

  const QPixmap &picture() const { return m_picture; }
  void setPicture(const QPixmap &picture);

  // Width and height in twips, kept exactly as set.
  QSizeF sizeInTwips() const { return m_sizeTwips; }
  void setSizeInTwips(QSizeF size);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  QPixmap m_picture;
  QSizeF m_sizeTwips;
};
