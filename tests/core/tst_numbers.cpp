#include <QTest>

#include "core/colours.h"
#include "core/numbers.h"

class TestNumbers : public QObject {
  Q_OBJECT

 private slots:
  void leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << u"11250"_qs << 11250.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("header") << u"Ima li obqsneniq"_qs << 0.0;
    QTest::newRow("number then text") << u"12abc"_qs << 12.0;
    QTest::newRow("blank before") << u" 7"_qs << 7.0;
    QTest::newRow("negative") << u"-1"_qs << -1.0;
    QTest::newRow("fraction") << u"9.75"_qs << 9.75;
    QTest::newRow("sign alone") << u"-"_qs << 0.0;
  }
  void leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::leadingNumber(text), value);
  }

  void strictNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::newRow("zero") << u"0"_qs << true;
    QTest::newRow("minus one") << u"-1"_qs << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("header") << u"Utochnenie dali ima grafika - 30 br"_qs << false;
    QTest::newRow("number then text") << u"1x"_qs << false;
  }
  void strictNumber() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QCOMPARE(::strictNumber(text).has_value(), isNumber);
  }

  void halvesGoToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("12.5") << 12.5 << 12;
    QTest::newRow("37.5") << 37.5 << 38;
    QTest::newRow("62.5") << 62.5 << 62;
    QTest::newRow("87.5") << 87.5 << 88;
    QTest::newRow("8.25") << 8.25 << 8;
    QTest::newRow("12.75") << 12.75 << 13;
    QTest::newRow("too large") << 1e9 << 32767;
  }
  void halvesGoToEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(int(toInt16(value)), rounded);
  }

  void largeNumbersStopAtTheEnds() {
    QCOMPARE(toInt32(::leadingNumber(u"99999999999999"_qs)), std::numeric_limits<qint32>::max());
    QCOMPARE(toInt32(-1e12), std::numeric_limits<qint32>::min());
    QCOMPARE(toInt32(16777215.0), 16777215);
  }

  void twips() {
    QCOMPARE(twipsToPixels(11865), 791);
    QCOMPARE(twipsToPixels(7005), 467);
    QCOMPARE(twipsRect(240, 480, 6105, 2055), QRect(16, 32, 407, 137));
  }

  void colourNumbers() {
    QCOMPARE(colourFromNumber(128), QColor(128, 0, 0));
    QCOMPARE(colourFromNumber(65280), QColor(0, 255, 0));
    QCOMPARE(colourFromNumber(16512), QColor(128, 64, 0));
    QCOMPARE(numberFromRgb(128, 64, 0), 16512);
    QCOMPARE(numberFromRgb(255, 255, 255), 16777215);
  }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
