#include <QPushButton>
#include <QTest>

#include "core/string_list.h"
#include "fixtures/contents.h"
#include "fixtures/learner.h"
#include "test_window/picture_box.h"
#include "test_window/zorva.h"
#include "test_window/zorva_graphika.h"

using namespace learner;

class TestPicturePanel : public QObject {
  Q_OBJECT

  std::unique_ptr<Zorva> window;

  void start(const Content &content) {
    window = openWindow(content);
  }
  bool panelIsBlank() const { return window->Grafika[0]->picture().isNull(); }

 private slots:
  void cleanup() { window.reset(); }

  void embeddedTestHasNoPictures() {
    start(embeddedContent());
    QVERIFY(window->hasPictureStore());  // made by the start-up selection
    for (int row : {3, 10, 24}) {
      clickRow(*window, 0, row);
      QVERIFY(panelIsBlank());
      QTest::mouseClick(window->Grafika[0], Qt::LeftButton);
      QVERIFY(!window->graphika().isVisible());
    }
  }

  void clickOpensTheStoredPicture() {
    start(contentWithPictures());
    clickRow(*window, 0, rowOfItem(*window, 0, 3));
    QCOMPARE(window->Picture_Number, 3);
    QVERIFY(!panelIsBlank());
    QCOMPARE(window->Grafika[0]->picture().toImage().pixelColor(1, 1), QColor(Qt::red));
    QTest::mouseClick(window->Grafika[0], Qt::LeftButton);
    Zorva_Graphika &store = window->graphika();
    QVERIFY(store.isVisible());
    QVERIFY(store.windowTitle().endsWith(u" - Zorva picture"_qs));
    QCOMPARE(store.outerSizeInTwips(), QSize(900, 750));
    QCOMPARE(store.Graphika[0]->sizeInTwips(), QSizeF(800, 500));
    QCOMPARE(store.Graphika[0]->pos(), QPoint(0, 0));
    QCOMPARE(store.Graphika[0]->picture().cacheKey(), store.Graphika[3]->picture().cacheKey());

    clickRow(*window, 0, rowOfItem(*window, 0, 5));  // another phrase hides it
    QVERIFY(!store.isVisible());
    QVERIFY(panelIsBlank());
  }

  void keyboardOpensThePictureToo() {
    start(contentWithPictures());
    clickRow(*window, 0, rowOfItem(*window, 0, 3));
    window->Grafika[0]->setFocus();
    QTest::keyClick(window->Grafika[0], Qt::Key_Space);
    QVERIFY(window->graphika().isVisible());
  }

  // A flag of -1 shows the picture in the panel but opens no window.
  void negativeFlagShowsButDoesNotOpen() {
    start(contentWithPictures());
    clickRow(*window, 0, rowOfItem(*window, 0, 4));
    QVERIFY(!panelIsBlank());
    QTest::mouseClick(window->Grafika[0], Qt::LeftButton);
    QVERIFY(!window->graphika().isVisible());
  }

  // Flags that are no number, and flags for items without a box, show the
  // blank picture and open nothing.
  void flagsWithoutAPicture_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("flag");
    QTest::newRow("text") << 3 << u"x"_qs;
    QTest::newRow("empty") << 3 << QString();
    QTest::newRow("item 31") << 31 << u"1"_qs;
  }
  void flagsWithoutAPicture() {
    QFETCH(int, item);
    QFETCH(QString, flag);
    Content content = contentWithPictures();
    for (int k = 26; k <= item; ++k) {
      content.danni[0] << u"ляво %1"_qs.arg(k);
      content.danni[1] << u"дясно %1"_qs.arg(k);
    }
    content.spisGraf[item] = flag;
    start(content);
    clickRow(*window, 0, rowOfItem(*window, 0, item));
    QCOMPARE(window->Picture_Number, item);
    QVERIFY(panelIsBlank());
    QTest::mouseClick(window->Grafika[0], Qt::LeftButton);
    QVERIFY(!window->graphika().isVisible());
  }

  // Grading and explanations show the picture of the pair's left item.
  void gradingAndExplanationsShowPictures() {
    start(contentWithPictures());
    recordPair(*window, 3, 1);
    recordPair(*window, 5, 5);
    window->Uprawl[2]->setEnabled(true);
    clickButton(*window, 2);
    QCOMPARE(window->Picture_Number, 3);
    QVERIFY(!panelIsBlank());
    clickRow(*window, 2, 1);
    QVERIFY(panelIsBlank());
    clickRow(*window, 2, 0);
    clickButton(*window, 3);
    QVERIFY(!panelIsBlank());
  }
};

QTEST_MAIN(TestPicturePanel)
#include "tst_picture_panel.moc"
