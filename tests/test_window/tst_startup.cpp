#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/numbers.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "fixtures/contents.h"
#include "test_window/zorva.h"

namespace {

QStringList twice(int count) {
  QStringList rows;
  for (int run = 0; run < 2; ++run)
    for (int i = 1; i <= count; ++i) rows << QString::number(i);
  return rows;
}

}  // namespace

class TestStartup : public QObject {
  Q_OBJECT

 private slots:
  void embeddedTest() {
    Zorva window;
    QCOMPARE(window.windowTitle(), embeddedContent().danni[3][0]);
    QCOMPARE(window.Score, 0);
    QCOMPARE(window.Slowo[0]->text(0), u"плюя си на ръцете"_qs);
    QCOMPARE(window.dum_N[0]->text(0), u"25"_qs);
    QCOMPARE(window.Slowo[1]->text(0), u"без пречки и затруднение, лесно и много добре"_qs);
    QCOMPARE(window.dum_N[1]->text(0), u"10"_qs);
    QCOMPARE(window.Picture_Number, 25);
    for (int side = 0; side < 2; ++side) {
      QCOMPARE(window.Slowo[side]->selectedRow(), 0);
      QCOMPARE(window.dum_N[side]->selectedRow(), 0);
      QCOMPARE(window.dum_N[4 + side]->rows(), twice(25));
      QCOMPARE(window.dum_N[4 + side]->text(24), u"25"_qs);
      QCOMPARE(window.dum_N[4 + side]->text(25), u"1"_qs);
    }
    QCOMPARE(window.Nastroiki->rows(), QStringList{u"25"_qs});
    QCOMPARE(window.Prowerka[0]->text(), embeddedContent().ukazanie);
    QCOMPARE(window.Ndapis->text(), u"Оставащи:"_qs);
    QVERIFY(!window.Uprawl[2]->isEnabled());
  }

  // Every row of dum_N(side) is the item number of the phrase beside it.
  void numbersMapEachPhrase() {
    Zorva window;
    for (int side = 0; side < 2; ++side) {
      QCOMPARE(window.Slowo[side]->count(), 25);
      QCOMPARE(window.dum_N[side]->count(), 25);
      for (int row = 0; row < 25; ++row) {
        const int item = window.dum_N[side]->text(row).toInt();
        QCOMPARE(embeddedContent().danni[side].at(item - 1), window.Slowo[side]->text(row));
      }
    }
  }

  void unevenSides_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("correct");
    QTest::newRow("25 / 20") << 25 << 20 << u"20"_qs;
    QTest::newRow("7 / 9") << 7 << 9 << u"7"_qs;
    QTest::newRow("1 / 1") << 1 << 1 << u"1"_qs;
  }
  void unevenSides() {
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(QString, correct);
    Zorva window(contentOfSize(left, right));
    QCOMPARE(window.Nastroiki->text(0), correct);
    QCOMPARE(window.dum_N[4]->rows(), twice(left));
    QCOMPARE(window.dum_N[5]->rows(), twice(right));
    QCOMPARE(window.Slowo[0]->count(), left);
    QCOMPARE(window.Slowo[1]->count(), right);
  }

  // A content with no phrase on one side starts without selecting a row
  // that does not exist.
  void emptySide() {
    Zorva window(contentOfSize(0, 5));
    QCOMPARE(window.Slowo[0]->selectedRow(), -1);
    QCOMPARE(window.Slowo[1]->selectedRow(), 0);
    QCOMPARE(window.Nastroiki->text(0), u"0"_qs);
  }

  void windowWidthAndListGeometry() {
    Zorva window;
    QCOMPARE(window.centralWidget()->width(), twipsToPixels(11250));
    QCOMPARE(window.SlowoView[0]->geometry(), twipsRect(120, 480, 4135, 2055));
    QCOMPARE(window.SlowoView[1]->geometry(), twipsRect(4360, 480, 6575, 2055));
  }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
