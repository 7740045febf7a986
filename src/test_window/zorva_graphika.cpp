#include "test_window/zorva_graphika.h"

#include "core/numbers.h"
#include "core/string_list.h"
#include "test_window/picture_box.h"

Zorva_Graphika::Zorva_Graphika(const Content &content)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(u"http://www.zorva.example - Zorva picture"_qs);
  setAccessibleName(windowTitle());
  for (int k = 0; k < int(Graphika.size()); ++k) {
    Graphika[k] = new PictureBox(this);
    const StoredPicture &stored = content.graphika[k];
    Graphika[k]->setSizeInTwips(stored.sizeTwips);
    Graphika[k]->setPicture(QPixmap::fromImage(stored.image));
    Graphika[k]->setAccessibleName(u"Картина"_qs);
    Graphika[k]->setFocusPolicy(Qt::NoFocus);
    Graphika[k]->setVisible(k == 0);
  }
  Spis_graf = new StringList(StringList::Order::Unsorted, 0, this);
  for (const QString &flag : content.spisGraf) Spis_graf->add(flag);
  setFixedSize(Graphika[0]->size());
}

// The frame is known only once the window has been shown; before that the
// whole size goes to the client area.
void Zorva_Graphika::setOuterSizeInTwips(double width, double height) {
  const QSize frame = frameGeometry().size() - geometry().size();
  setFixedSize(QSize(twipsToPixels(width), twipsToPixels(height)) - frame);
}

QSize Zorva_Graphika::outerSizeInTwips() const {
  return frameGeometry().size() * kTwipsPerPixel;
}
