#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/text_box.h"
#include "fixtures/contents.h"
#include "fixtures/learner.h"
#include "test_window/zorva.h"

using namespace learner;

class TestGrading : public QObject {
  Q_OBJECT

 private slots:
  // Pairs are "left:right" item numbers, recorded in that order.
  void grade_data() {
    QTest::addColumn<int>("leftItems");
    QTest::addColumn<int>("rightItems");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("firstMark");

    auto allCorrect = [](int count) {
      QStringList pairs;
      for (int item = 1; item <= count; ++item) pairs << u"%1:%1"_qs.arg(item);
      return pairs.join(u' ');
    };
    QTest::newRow("25 of 25") << 25 << 25 << allCorrect(25) << u"Верни: 100%"_qs << u"ДА"_qs;
    QTest::newRow("none correct") << 25 << 25 << u"1:2 2:3 3:1"_qs << u"Верни: 0%"_qs << u"НЕ"_qs;
    QTest::newRow("5 of 25") << 25 << 25 << allCorrect(5) << u"Верни: 20%"_qs << u"ДА"_qs;
    QTest::newRow("1 of 25") << 25 << 25 << u"25:25 1:2"_qs << u"Верни: 4%"_qs << u"ДА"_qs;
    QTest::newRow("13 of 25") << 25 << 25 << allCorrect(13) << u"Верни: 52%"_qs << u"ДА"_qs;
    QTest::newRow("1 of 8: 12.5") << 8 << 8 << u"3:4 8:8"_qs << u"Верни: 12%"_qs << u"НЕ"_qs;
    QTest::newRow("3 of 8: 37.5") << 8 << 8 << allCorrect(3) << u"Верни: 38%"_qs << u"ДА"_qs;
    QTest::newRow("5 of 8: 62.5") << 8 << 8 << allCorrect(5) << u"Верни: 62%"_qs << u"ДА"_qs;
    QTest::newRow("7 of 8: 87.5") << 8 << 8 << allCorrect(7) << u"Верни: 88%"_qs << u"ДА"_qs;
    QTest::newRow("20 of 25 / 20") << 25 << 20 << allCorrect(20) << u"Верни: 100%"_qs << u"ДА"_qs;
    QTest::newRow("left 21 with right 1 of 25 / 20") << 25 << 20 << u"21:1"_qs << u"Верни: 0%"_qs
                                                    << u"НЕ"_qs;
    QTest::newRow("5 of 5 / 8") << 5 << 8 << allCorrect(5) << u"Верни: 100%"_qs << u"ДА"_qs;
    QTest::newRow("left 1 with right 6 of 5 / 8") << 5 << 8 << u"1:6"_qs << u"Верни: 0%"_qs
                                                 << u"НЕ"_qs;
    QTest::newRow("item 1 on one side") << 1 << 1 << u"1:1"_qs << u"Верни: 100%"_qs << u"ДА"_qs;
  }
  void grade() {
    QFETCH(int, leftItems);
    QFETCH(int, rightItems);
    QFETCH(QString, pairs);
    QFETCH(QString, label);
    QFETCH(QString, firstMark);
    Zorva window(contentOfSize(leftItems, rightItems));
    window.show();
    for (const QString &pair : pairs.split(u' '))
      recordPair(window, pair.section(u':', 0, 0).toInt(), pair.section(u':', 1, 1).toInt());
    window.Uprawl[2]->setEnabled(true);  // graded whenever the learner may
    clickButton(window, 2);
    QCOMPARE(window.Ndapis->text(), label);
    QCOMPARE(window.Slowo[2]->selectedRow(), 0);
    QCOMPARE(window.Prowerka[1]->text(), firstMark);
    QVERIFY(window.Prowerka[1]->isVisible());
    for (int locked : {0, 1, 2}) QVERIFY(!window.Uprawl[locked]->isEnabled());
    QVERIFY(window.Uprawl[3]->isEnabled());
  }

  void gradingWithoutPairsDoesNothing() {
    Zorva window;
    window.show();
    window.Uprawl[2]->setEnabled(true);
    clickButton(window, 2);
    QCOMPARE(window.Ndapis->text(), u"Оставащи:"_qs);
    QVERIFY(window.Uprawl[0]->isEnabled());
    QVERIFY(!window.Prowerka[1]->isVisible());
  }

  // Enabled, then a take-back below the threshold: the refresh at the
  // start of the click disables "Оцени", yet grading runs.
  void gradingAfterALaggingTakeBack() {
    Zorva window;
    window.show();
    for (int item = 1; item <= 19; ++item) recordPair(window, item, item);
    clickRow(window, 2, 0);
    clickButton(window, 1);
    QVERIFY(window.Uprawl[2]->isEnabled());
    clickButton(window, 2);
    QCOMPARE(window.Ndapis->text(), u"Верни: 72%"_qs);
    QVERIFY(!window.Uprawl[2]->isEnabled());
    QVERIFY(window.Uprawl[3]->isEnabled());
    QCOMPARE(window.Score, 18);
  }

  void theGradedStateStays() {
    Zorva window;
    window.show();
    const int swapped[] = {0, 1, 3, 2};
    for (int item = 1; item <= 20; ++item) recordPair(window, item, item <= 3 ? swapped[item] : item);
    clickButton(window, 0);
    clickButton(window, 2);
    QCOMPARE(window.Ndapis->text(), u"Верни: 72%"_qs);
    clickRow(window, 2, 1);
    QCOMPARE(window.Prowerka[1]->text(), u"НЕ"_qs);
    QCOMPARE(window.Prowerka[1]->palette().color(QPalette::Base), QColor(255, 0, 0));
    const QImage mark = window.Prowerka[1]->grab().toImage();
    QCOMPARE(mark.pixelColor(3, 3), QColor(255, 0, 0));
    clickRow(window, 0, 0);
    clickRow(window, 1, 0);
    for (int button : {0, 1, 2}) clickButton(window, button);
    QCOMPARE(window.Slowo[2]->count(), 20);
    QCOMPARE(window.Ndapis->text(), u"Верни: 72%"_qs);
    QVERIFY(!window.Uprawl[0]->isEnabled() && !window.Uprawl[1]->isEnabled());
  }
};

QTEST_MAIN(TestGrading)
#include "tst_grading.moc"
