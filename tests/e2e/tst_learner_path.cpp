#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/string_list_view.h"
#include "core/text_box.h"
#include "fixtures/learner.h"
#include "test_window/picture_box.h"
#include "test_window/zorva.h"

using namespace learner;

// One learner takes the embedded test from start to explanations, clicking
// the real widgets and reading what the window shows after each step.
class TestLearnerPath : public QObject {
  Q_OBJECT

  static const QString &left(int item) { return embeddedContent().danni[0].at(item - 1); }
  static const QString &right(int item) { return embeddedContent().danni[1].at(item - 1); }

  static QString shownRow(const Zorva &window, int list, int row) {
    return window.SlowoView[list]->model()->index(row, 0).data().toString();
  }

 private slots:
  void wholeTest() {
    Zorva window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Start: both lists sorted, the first row of each selected.
    QCOMPARE(shownRow(window, 0, 0), u"плюя си на ръцете"_qs);
    QCOMPARE(window.SlowoView[0]->currentIndex().row(), 0);
    QCOMPARE(window.SlowoView[1]->currentIndex().row(), 0);
    QCOMPARE(window.Ndapis->text(), u"Оставащи:"_qs);
    QVERIFY(window.Prowerka[0]->toPlainText().startsWith(u"Това е релационен тест.\n"_qs));

    // The first pair is wrong on purpose: item 25 with meaning 10.
    clickButton(window, 0);
    QCOMPARE(shownRow(window, 2, 0), left(25) + u' ' + right(10));
    QCOMPARE(window.Ndapis->text(), u"Остават: 24"_qs);

    // Take it back: both phrases return to their places.
    clickRow(window, 2, 0);
    QCOMPARE(window.Prowerka[0]->toPlainText(), QString());
    clickButton(window, 1);
    QCOMPARE(window.SlowoView[2]->model()->rowCount(), 0);
    QCOMPARE(shownRow(window, 0, 0), left(25));
    QCOMPARE(shownRow(window, 1, 0), right(10));
    QCOMPARE(window.Ndapis->text(), u"Остават: 25"_qs);

    // The hint for item 7 records it and names its partner.
    clickRow(window, 0, rowOfItem(window, 0, 7));
    clickRow(window, 1, rowOfItem(window, 1, 7));
    clickButton(window, 3);
    QCOMPARE(window.Prowerka[0]->toPlainText(),
             u"\n\""_qs + left(7) + u"\" е във връзка с \""_qs + right(7) + u'"');
    QVERIFY(!window.Uprawl[3]->isEnabled());

    // The rest, with items 1 and 2 swapped.
    for (int item = 1; item <= 25; ++item) {
      if (item == 7) continue;
      const int partner = item == 1 ? 2 : item == 2 ? 1 : item;
      recordPair(window, item, partner);
      const int remaining = 25 - window.Slowo[2]->count();
      QCOMPARE(window.Ndapis->text(), u"Остават: "_qs + QString::number(remaining));
    }
    QCOMPARE(window.SlowoView[0]->model()->rowCount(), 0);
    QVERIFY(window.Uprawl[2]->isEnabled());

    // Grading: 23 of 25.
    clickButton(window, 2);
    QCOMPARE(window.Ndapis->text(), u"Верни: 92%"_qs);
    QVERIFY(window.Prowerka[1]->isVisible());
    QCOMPARE(window.Prowerka[1]->toPlainText(), u"ДА"_qs);  // the hint's pair, 7 with 7
    QCOMPARE(window.Prowerka[1]->grab().toImage().pixelColor(2, 2), QColor(0, 255, 0));
    for (int button : {0, 1, 2}) QVERIFY(!window.Uprawl[button]->isEnabled());

    // The pair 1 with 2: "НЕ" on red; its explanation names meaning 1.
    clickRow(window, 2, 1);
    QCOMPARE(shownRow(window, 2, 1), left(1) + u' ' + right(2));
    QCOMPARE(window.Prowerka[1]->toPlainText(), u"НЕ"_qs);
    QCOMPARE(window.Prowerka[1]->grab().toImage().pixelColor(2, 2), QColor(255, 0, 0));
    clickButton(window, 3);
    QCOMPARE(window.Prowerka[0]->toPlainText(),
             u"\n\""_qs + left(1) + u"\" е във връзка с \""_qs + right(1) + u'"');
    QVERIFY(window.Uprawl[3]->isEnabled());
    QVERIFY(window.Grafika[0]->picture().isNull());
  }
};

QTEST_MAIN(TestLearnerPath)
#include "tst_learner_path.moc"
