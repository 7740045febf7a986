#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTest>

#include "core/content.h"
#include "core/string_list.h"
#include "core/string_list_view.h"

namespace {

// A list that counts its handler's runs and the selection each run saw.
struct Counted {
  explicit Counted(StringList::Order order = StringList::Order::Unsorted)
      : list(order, 7) {
    list.setClickHandler([this](int index) {
      QCOMPARE(index, 7);
      seen << list.selectedRow();
    });
  }
  StringList list;
  QList<int> seen;
};

void fill(StringList &list, const QStringList &rows) {
  for (const QString &row : rows) list.add(row);
}

}  // namespace

class TestStringList : public QObject {
  Q_OBJECT

 private slots:
  void readingOutsideGivesEmptyText() {
    StringList list;
    for (int i = 0; i < 50; ++i) list.add(QString::number(i));
    QCOMPARE(list.text(-1), QString());
    QCOMPARE(list.text(50), QString());
    QCOMPARE(list.text(60), QString());
    QCOMPARE(list.text(49), u"49"_qs);
  }

  void emptyTextPlacement_data() {
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<int>("row");
    QTest::newRow("sorted: first") << true << 0;
    QTest::newRow("unsorted: last") << false << 25;
  }
  void emptyTextPlacement() {
    QFETCH(bool, sorted);
    QFETCH(int, row);
    StringList list(sorted ? StringList::Order::Sorted : StringList::Order::Unsorted);
    fill(list, embeddedContent().danni[0]);
    list.add(QString());
    QCOMPARE(list.count(), 26);
    QCOMPARE(list.text(row), QString());
  }

  void selectionFollowsItsRow() {
    Counted counted(StringList::Order::Sorted);
    StringList &list = counted.list;
    fill(list, {u"в"_qs, u"г"_qs, u"д"_qs, u"е"_qs, u"ж"_qs, u"з"_qs});
    list.select(4);
    counted.seen.clear();
    list.add(u"а"_qs);  // sorts before the selected row
    QCOMPARE(list.selectedRow(), 5);
    QCOMPARE(list.text(5), u"ж"_qs);
    list.add(u"я"_qs);  // sorts after it
    QCOMPARE(list.selectedRow(), 5);
    list.remove(0);
    QCOMPARE(list.selectedRow(), 4);
    QCOMPARE(list.text(4), u"ж"_qs);
    list.remove(6);
    QCOMPARE(list.selectedRow(), 4);
    QVERIFY(counted.seen.isEmpty());
  }

  void losingTheSelectionRunsNoHandler_data() {
    QTest::addColumn<bool>("clear");
    QTest::newRow("remove the selected row") << false;
    QTest::newRow("clear") << true;
  }
  void losingTheSelectionRunsNoHandler() {
    QFETCH(bool, clear);
    Counted counted;
    fill(counted.list, {u"a"_qs, u"b"_qs, u"c"_qs});
    counted.list.select(1);
    counted.seen.clear();
    if (clear)
      counted.list.clear();
    else
      counted.list.remove(1);
    QCOMPARE(counted.list.selectedRow(), -1);
    QVERIFY(counted.seen.isEmpty());
  }

  void handlerRunsOncePerRealChange() {
    Counted counted;
    fill(counted.list, {u"a"_qs, u"b"_qs, u"c"_qs});
    counted.list.select(-1);
    QVERIFY(counted.seen.isEmpty());
    counted.list.select(0);
    counted.list.select(2);
    QCOMPARE(counted.seen, (QList<int>{0, 2}));
    counted.list.select(2);
    counted.list.setText(2, u"x"_qs);
    QCOMPARE(counted.seen, (QList<int>{0, 2}));
    counted.list.select(-1);
    QCOMPARE(counted.seen, (QList<int>{0, 2, -1}));
  }

  // Each handler selects the same row in the other list; the echo finds the
  // row already selected and the chain stops.
  void twoListsKeepInStepWithoutPingPong() {
    StringList first(StringList::Order::Unsorted, 0);
    StringList second(StringList::Order::Unsorted, 1);
    int firstRuns = 0;
    int secondRuns = 0;
    first.setClickHandler([&](int) { ++firstRuns; second.select(first.selectedRow()); });
    second.setClickHandler([&](int) { ++secondRuns; first.select(second.selectedRow()); });
    fill(first, {u"a"_qs, u"b"_qs, u"c"_qs});
    fill(second, {u"1"_qs, u"2"_qs, u"3"_qs});
    first.select(2);
    QCOMPARE(second.selectedRow(), 2);
    QCOMPARE(firstRuns, 1);
    QCOMPARE(secondRuns, 1);
  }

  // The collation is Bulgarian and blind to case: "Я" after "б", "ъ" after "щ".
  void sortsByTheBulgarianAlphabet() {
    StringList list(StringList::Order::Sorted);
    fill(list, {u"юг"_qs, u"Ябълка"_qs, u"ъгъл"_qs, u"щека"_qs, u"ьо"_qs, u"Бор"_qs,
                u"ар"_qs, u"жар"_qs, u"ёж"_qs});
    QCOMPARE(list.rows(), (QStringList{u"ар"_qs, u"Бор"_qs, u"ёж"_qs, u"жар"_qs, u"щека"_qs,
                                       u"ъгъл"_qs, u"ьо"_qs, u"юг"_qs, u"Ябълка"_qs}));
  }

  void sortsTheRealPhrases_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<QStringList>("firstRows");
    QTest::addColumn<QString>("lastRow");
    QTest::newRow("left") << 0
        << QStringList{u"плюя си на ръцете"_qs, u"повеждам хорото"_qs, u"подавам ръка"_qs,
                       u"подвивам си опашката"_qs, u"подрязвам крилата"_qs}
        << u"размътвам водата"_qs;
    QTest::newRow("right") << 1
        << QStringList{u"без пречки и затруднение, лесно и много добре"_qs,
                       u"давам нещо малко за да го задоволя за момента"_qs,
                       u"заемам се с рисково начинание"_qs, u"залавям се здраво на работа"_qs,
                       u"засрамвам се силно"_qs}
        << u"умишлено създавам пречки в работата"_qs;
  }
  void sortsTheRealPhrases() {
    QFETCH(int, side);
    QFETCH(QStringList, firstRows);
    QFETCH(QString, lastRow);
    StringList list(StringList::Order::Sorted);
    fill(list, embeddedContent().danni[side]);
    QCOMPARE(list.rows().mid(0, firstRows.size()), firstRows);
    QCOMPARE(list.rows().last(), lastRow);
    QCOMPARE(list.count(), 25);
  }

  void isAWellBehavedModel() {
    StringList list(StringList::Order::Sorted);
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(list, embeddedContent().danni[1]);
    list.add(QString());
    list.select(3);
    list.remove(0);
    list.setText(2, u"x"_qs);
    list.clear();
  }

  // The learner's click selects through the list and runs the handler once;
  // a selection made in code shows in the view without a second run.
  void viewForwardsAndMirrors() {
    Counted counted;
    fill(counted.list, {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs});
    StringListView view(counted.list);
    view.resize(200, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(counted.list.index(2)).center());
    QCOMPARE(counted.list.selectedRow(), 2);
    QCOMPARE(counted.seen, QList<int>{2});
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(counted.list.selectedRow(), 3);
    counted.list.select(0);
    QCOMPARE(view.selectionModel()->selectedIndexes().value(0).row(), 0);
    QCOMPARE(counted.seen, (QList<int>{2, 3, 0}));
    // A control-click on the selected row does not take the selection away.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view.visualRect(counted.list.index(0)).center());
    QCOMPARE(counted.list.selectedRow(), 0);
    QCOMPARE(view.selectionModel()->selectedIndexes().size(), 1);
    counted.list.remove(0);
    QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(counted.seen, (QList<int>{2, 3, 0}));
  }
};

QTEST_MAIN(TestStringList)
#include "tst_string_list.moc"
