#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/string_list_view.h"
#include "core/text_box.h"
#include "fixtures/contents.h"
#include "fixtures/learner.h"
#include "test_window/zorva.h"

using namespace learner;

class TestPairing : public QObject {
  Q_OBJECT

  std::unique_ptr<Zorva> window;

  const QString &left(int item) { return embeddedContent().danni[0].at(item - 1); }
  const QString &right(int item) { return embeddedContent().danni[1].at(item - 1); }

  // Phrase lists and their number lists run in step; no empty row anywhere.
  void verifyListsInStep() {
    for (int side = 0; side < 2; ++side) {
      const StringList &phrases = *window->Slowo[side];
      QCOMPARE(window->dum_N[side]->count(), phrases.count());
      for (int row = 0; row < phrases.count(); ++row) {
        QVERIFY(!phrases.text(row).isEmpty());
        const int item = window->dum_N[side]->text(row).toInt();
        QCOMPARE(embeddedContent().danni[side].at(item - 1), phrases.text(row));
      }
    }
    QCOMPARE(window->dum_N[2]->count(), window->Slowo[2]->count());
    QCOMPARE(window->dum_N[3]->count(), window->Slowo[2]->count());
  }

 private slots:
  void init() {
    window = openWindow();
  }
  void cleanup() { window.reset(); }

  void recordingAPair() {
    recordPair(*window, 3, 7);
    QCOMPARE(window->Slowo[2]->rows(), QStringList{left(3) + u' ' + right(7)});
    QCOMPARE(recordedItems(*window), u"3:7"_qs);
    QCOMPARE(rowOfItem(*window, 0, 3), -1);
    QCOMPARE(rowOfItem(*window, 1, 7), -1);
    QCOMPARE(window->Slowo[0]->selectedRow(), -1);
    QCOMPARE(window->Slowo[1]->selectedRow(), -1);
    QCOMPARE(window->Ndapis->text(), u"Остават: 24"_qs);
    verifyListsInStep();
  }

  void recordingNeedsBothSides() {
    recordPair(*window, 1, 1);
    clickRow(*window, 0, 0);
    clickButton(*window, 0);
    QCOMPARE(window->Slowo[2]->count(), 1);
    QCOMPARE(window->Ndapis->text(), u"Остават: 24"_qs);
    QCOMPARE(window->Slowo[0]->count(), 24);
  }

  void remainingCountIsTheSmallerSide() {
    window = openWindow(contentOfSize(8, 6));
    recordPair(*window, 1, 1);
    QCOMPARE(window->Ndapis->text(), u"Остават: 5"_qs);
  }

  // Taking back pair `taken` (0-based) of three: which pair is selected
  // afterwards and which pairs stay.
  void takingBack_data() {
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("second of three") << 1 << 1 << u"2:2 9:4"_qs;
    QTest::newRow("last of three") << 2 << 1 << u"2:2 5:6"_qs;
    QTest::newRow("first of three") << 0 << 0 << u"5:6 9:4"_qs;
  }
  void takingBack() {
    QFETCH(int, taken);
    QFETCH(int, selected);
    QFETCH(QString, remaining);
    recordPair(*window, 2, 2);
    recordPair(*window, 5, 6);
    recordPair(*window, 9, 4);
    clickRow(*window, 2, taken);
    clickButton(*window, 1);
    QCOMPARE(recordedItems(*window), remaining);
    QCOMPARE(window->Slowo[2]->selectedRow(), selected);
    QCOMPARE(window->dum_N[2]->selectedRow(), selected);
    const int leftItem = window->dum_N[2]->text(selected).toInt();
    const bool right = leftItem == window->dum_N[3]->text(selected).toInt();
    QCOMPARE(window->Prowerka[1]->text(), right ? u"ДА"_qs : u"НЕ"_qs);
    QCOMPARE(window->Picture_Number, leftItem);
    QCOMPARE(window->Slowo[0]->count(), 23);
    QCOMPARE(window->Ndapis->text(), u"Остават: 23"_qs);
    verifyListsInStep();
  }

  void takingBackTheOnlyPair() {
    recordPair(*window, 4, 5);
    clickRow(*window, 2, 0);
    const QString mark = window->Prowerka[1]->text();
    const qint16 picture = window->Picture_Number;
    clickButton(*window, 1);
    QCOMPARE(window->Slowo[2]->count(), 0);
    QCOMPARE(window->Slowo[2]->selectedRow(), -1);
    QCOMPARE(window->Prowerka[1]->text(), mark);
    QCOMPARE(window->Picture_Number, picture);
    QCOMPARE(window->Ndapis->text(), u"Остават: 25"_qs);
    verifyListsInStep();
  }

  void takingBackNeedsASelectedPair() {
    recordPair(*window, 4, 5);
    clickButton(*window, 1);  // the pair is recorded but not selected
    QCOMPARE(recordedItems(*window), u"4:5"_qs);
  }

  // The learner's left selection stays on its phrase when the returned
  // phrase sorts before it, and the next pair uses its right number.
  void selectionSurvivesATakeBack() {
    recordPair(*window, 25, 1);  // "плюя си на ръцете" sorts first
    clickRow(*window, 2, 0);
    const int row = rowOfItem(*window, 0, 14);
    clickRow(*window, 0, row);
    clickRow(*window, 1, rowOfItem(*window, 1, 14));
    clickButton(*window, 1);
    QCOMPARE(window->Slowo[0]->selectedRow(), row + 1);
    QCOMPARE(window->Slowo[0]->text(row + 1), left(14));
    QCOMPARE(window->SlowoView[0]->currentIndex().row(), row + 1);
    clickButton(*window, 0);
    QCOMPARE(recordedItems(*window), u"14:14"_qs);
    QCOMPARE(window->Slowo[2]->text(0), left(14) + u' ' + right(14));
    verifyListsInStep();
  }

  void markOfASelectedPair_data() {
    QTest::addColumn<int>("rightItem");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("right") << 6 << u"ДА"_qs << QColor(0, 255, 0);
    QTest::newRow("wrong") << 7 << u"НЕ"_qs << QColor(255, 0, 0);
  }
  void markOfASelectedPair() {
    QFETCH(int, rightItem);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    recordPair(*window, 6, rightItem);
    clickRow(*window, 2, 0);
    QCOMPARE(window->Prowerka[1]->text(), text);
    QCOMPARE(window->Prowerka[1]->palette().color(QPalette::Base), colour);
    QVERIFY(!window->Prowerka[1]->isVisible());
    QCOMPARE(window->Prowerka[0]->text(), QString());
    QCOMPARE(window->Picture_Number, 6);
  }

  // "Оцени" follows the lists as they were before each click.
  void gradeButtonLagsOneClick() {
    for (int item = 1; item <= 19; ++item) recordPair(*window, item, item);
    QVERIFY(!window->Uprawl[2]->isEnabled());
    clickButton(*window, 0);  // nothing selected: only the refresh
    QVERIFY(window->Uprawl[2]->isEnabled());
    clickRow(*window, 2, 18);
    clickButton(*window, 1);  // 18 pairs, 7 right phrases: still enabled
    QVERIFY(window->Uprawl[2]->isEnabled());
    clickButton(*window, 0);
    QVERIFY(!window->Uprawl[2]->isEnabled());
  }
};

QTEST_MAIN(TestPairing)
#include "tst_pairing.moc"
