#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/text_box.h"
#include "fixtures/contents.h"
#include "fixtures/learner.h"
#include "test_window/zorva.h"

using namespace learner;

namespace {

const QString &left(int item) { return embeddedContent().danni[0].at(item - 1); }
const QString &right(int item) { return embeddedContent().danni[1].at(item - 1); }

// The explanation of item k: an empty first line, then the relation.
QString relation(int k) {
  return u"\r\n\""_qs + left(k) + u"\" е във връзка с \""_qs + right(k) + u'"';
}

}  // namespace

class TestExplanations : public QObject {
  Q_OBJECT

 private slots:
  void hintRecordsThePairAndNamesThePartner() {
    Zorva window;
    window.show();
    clickRow(window, 0, rowOfItem(window, 0, 1));
    clickRow(window, 1, rowOfItem(window, 1, 9));
    clickButton(window, 3);
    QCOMPARE(window.Prowerka[0]->text(), relation(1));
    QCOMPARE(recordedItems(window), u"1:9"_qs);
    QCOMPARE(window.Slowo[0]->count(), 24);
    QCOMPARE(window.Ndapis->text(), u"Остават: 24"_qs);
    QVERIFY(!window.Uprawl[3]->isEnabled());
    QCOMPARE(window.Score, -1);
  }

  void hintNeedsBothSides() {
    Zorva window;
    window.show();
    recordPair(window, 2, 2);  // leaves both phrase lists without selection
    clickRow(window, 0, 0);
    const QString before = window.Prowerka[0]->text();
    clickButton(window, 3);
    QCOMPARE(window.Slowo[2]->count(), 1);
    QCOMPARE(window.Prowerka[0]->text(), before);
    QVERIFY(window.Uprawl[3]->isEnabled());
  }

  // After grading "Обясни" names the correct partner of the selected
  // pair's left phrase, and keeps "Оцени" disabled.
  void explanationsAfterGrading() {
    Zorva window;
    window.show();
    clickRow(window, 0, rowOfItem(window, 0, 4));
    clickRow(window, 1, rowOfItem(window, 1, 4));
    clickButton(window, 3);  // the hint
    for (int item = 5; item <= 23; ++item) recordPair(window, item, item);
    recordPair(window, 24, 25);
    clickButton(window, 0);
    clickButton(window, 2);
    QCOMPARE(window.Score, 20);
    QCOMPARE(window.Ndapis->text(), u"Верни: 80%"_qs);
    QVERIFY(window.Uprawl[3]->isEnabled());
    clickRow(window, 2, 20);
    QCOMPARE(window.Prowerka[0]->text(), QString());
    clickButton(window, 3);
    QCOMPARE(window.Prowerka[0]->text(), relation(24));
    QCOMPARE(window.dum_N[2]->selectedRow(), 20);
    QVERIFY(!window.Uprawl[2]->isEnabled());
    QVERIFY(window.Uprawl[3]->isEnabled());
    clickRow(window, 2, 0);
    clickButton(window, 3);
    QCOMPARE(window.Prowerka[0]->text(), relation(4));
  }

  // Flagged items show every further line, the first included; an item
  // without a list of further lines shows the relation alone.
  void furtherLines_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("flag 1, item 2") << 2 << u"1"_qs
                                    << QStringList{u"първи ред"_qs, u"втори ред"_qs};
    QTest::newRow("flag 0") << 2 << u"0"_qs << QStringList();
    QTest::newRow("flag 3abc") << 2 << u"3abc"_qs << QStringList{u"ред"_qs};
    QTest::newRow("item 31 has no list") << 31 << u"1"_qs << QStringList();
  }
  void furtherLines() {
    QFETCH(int, item);
    QFETCH(QString, flag);
    QFETCH(QStringList, lines);
    Content content = contentOfSize(item, item);
    if (item > 25) {
      for (int k = 26; k <= item; ++k) {
        content.danni[0] << u"ляво %1"_qs.arg(k);
        content.danni[1] << u"дясно %1"_qs.arg(k);
      }
    }
    content.otgowor[0][item] = flag;
    if (item <= 30) content.otgowor[item] = lines;
    Zorva window(content);
    window.show();
    clickRow(window, 0, rowOfItem(window, 0, item));
    clickRow(window, 1, rowOfItem(window, 1, 1));
    clickButton(window, 3);
    QString expected = u"\r\n\""_qs + content.danni[0][item - 1] + u"\" е във връзка с \""_qs +
                       content.danni[1][item - 1] + u'"';
    for (const QString &line : lines) expected += u"\r\n"_qs + line;
    QCOMPARE(window.Prowerka[0]->text(), expected);
  }
};

QTEST_MAIN(TestExplanations)
#include "tst_explanations.moc"
