#include <QTest>

#include "core/content.h"
#include "core/numbers.h"
#include "core/zorva_danni.h"

class TestEmbeddedContent : public QObject {
  Q_OBJECT

  const Content &content = embeddedContent();

 private slots:
  void rowCounts() {
    Zorva_danni danni(content);
    QCOMPARE(danni.Danni[0]->count(), 25);
    QCOMPARE(danni.Danni[1]->count(), 25);
    QCOMPARE(danni.Danni[2]->count(), 0);
    QCOMPARE(danni.Danni[3]->count(), 6);
    QCOMPARE(danni.Otgowor[0]->count(), 42);
    for (int k = 1; k <= 30; ++k) QCOMPARE(danni.Otgowor[k]->count(), 20);
    QCOMPARE(content.spisGraf.size(), 35);
    QCOMPARE(danni.Danni[0]->text(25), QString());
  }

  void phrasesAtBothEnds() {
    QCOMPARE(content.danni[0].first(), u"привързвам към колесницата"_qs);
    QCOMPARE(content.danni[1].first(), u"поставям обществена група в пълна зависимост"_qs);
    QCOMPARE(content.danni[0].last(), u"плюя си на ръцете"_qs);
    QCOMPARE(content.danni[1].last(), u"залавям се здраво на работа"_qs);
    QCOMPARE(content.danni[0][9], u"потече по мед и масло"_qs);
    QCOMPARE(content.danni[1][9], u"без пречки и затруднение, лесно и много добре"_qs);
  }

  void phrasesAreCleanAndDistinct() {
    const int longestOn[] = {29, 45};
    for (int side = 0; side < 2; ++side) {
      const QStringList &items = content.danni[side];
      QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
      qsizetype longest = 0;
      for (const QString &item : items) {
        QCOMPARE(item, item.simplified());
        QCOMPARE(item, item.toLower());
        longest = std::max(longest, item.size());
      }
      QCOMPARE(longest, longestOn[side]);
    }
  }

  void titleAndLayout() {
    const QStringList &layout = content.danni[3];
    QVERIFY(layout[0].endsWith(u" Zorva по БЕЛ - идиоми - 01"_qs));
    QVERIFY(layout[0].section(u' ', 0, 0).contains(u".example"_qs));
    QCOMPARE(layout.mid(1), (QStringList{u"11250"_qs, u"120"_qs, u"4135"_qs, u"4360"_qs, u"6575"_qs}));
  }

  void everyFlagReadsZero() {
    QCOMPARE(content.otgowor[0][0], u"Ima li obqsneniq"_qs);
    for (int k = 1; k <= 41; ++k) QCOMPARE(leadingNumber(content.otgowor[0][k]), 0.0);
    QCOMPARE(content.spisGraf[0], u"Utochnenie dali ima grafika - 30 br"_qs);
    for (int k = 1; k <= 34; ++k) QCOMPARE(content.spisGraf[k], u"0"_qs);
    for (int k = 1; k <= 30; ++k) QVERIFY(content.graphika[k].image.isNull());
  }

  void placeholderLines() {
    QCOMPARE(content.otgowor[1][0], u"Otgowor 1"_qs);
    QCOMPARE(content.otgowor[30][0], u"Otgowor 30"_qs);
    QCOMPARE(content.otgowor[30][19], u"30"_qs);
    QCOMPARE(content.otgowor[6][18], u"6"_qs);
    QCOMPARE(content.otgowor[6][19], u"5"_qs);
  }

  void instructionsKeepTheirLineEnds() {
    const QString &text = content.ukazanie;
    QVERIFY(text.endsWith(u"като грешен отговор\r\n"_qs));
    const QStringList lines = text.split(u"\r\n"_qs);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[7], QString());
    QCOMPARE(lines[0], u"Това е релационен тест."_qs);
    QVERIFY(lines[1].endsWith(u"лявото и "_qs));
    QVERIFY(lines[3].endsWith(u"тези в "_qs));
    QVERIFY(lines[5].endsWith(u"общия "_qs));
    for (int line : {0, 2, 4, 6}) QVERIFY(!lines[line].endsWith(u' '));
    QCOMPARE(text.count(u'\n'), 7);
    QCOMPARE(text.count(u'\r'), 7);
  }
};

QTEST_GUILESS_MAIN(TestEmbeddedContent)
#include "tst_embedded_content.moc"
