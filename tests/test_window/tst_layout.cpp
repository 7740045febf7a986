#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "core/numbers.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/cwiat.h"
#include "test_window/picture_box.h"
#include "fixtures/learner.h"
#include "test_window/zorva.h"

namespace {

// A widget's place on the client area, in twips.
QRect inTwips(const QWidget &widget) {
  const QRect r = widget.geometry();
  return QRect(r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
               r.height() * kTwipsPerPixel);
}

// Half a pixel either way: the most a conversion to whole pixels can move.
bool near(int twips, int expected) { return std::abs(twips - expected) <= kTwipsPerPixel / 2; }

QColor pixelAt(QWidget &widget, QPoint point) { return widget.grab().toImage().pixelColor(point); }

}  // namespace

class TestLayout : public QObject {
  Q_OBJECT

  std::unique_ptr<Zorva> window;

  // The window's controls by the names the program gives them.
  QWidget *control(const QString &name) {
    QHash<QString, QWidget *> controls{{u"Ndapis"_qs, window->Ndapis}};
    auto addArray = [&controls](const QString &array, const auto &elements) {
      for (size_t i = 0; i < elements.size(); ++i)
        controls.insert(u"%1(%2)"_qs.arg(array).arg(i), elements[i]);
    };
    addArray(u"Uprawl"_qs, window->Uprawl);
    addArray(u"Slowo"_qs, window->SlowoView);
    addArray(u"Grafika"_qs, window->Grafika);
    addArray(u"Prowerka"_qs, window->Prowerka);
    return controls.value(name);
  }

 private slots:
  void init() {
    window = learner::openWindow();
  }
  void cleanup() { window.reset(); }

  void geometryInTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Ndapis") << u"Ndapis"_qs << QRect(4440, 0, 1455, 375)
                            << u"Извежда резултатите в края на теста"_qs << true;
    QTest::newRow("Uprawl(3)") << u"Uprawl(3)"_qs << QRect(9720, 50, 1215, 375)
                               << u"Дава обяснения"_qs << true;
    QTest::newRow("Slowo(0), after start-up") << u"Slowo(0)"_qs << QRect(120, 480, 4135, 2055)
                                              << u"Посочете елемента в релацията"_qs << true;
    QTest::newRow("Slowo(1), after start-up") << u"Slowo(1)"_qs << QRect(4360, 480, 6575, 2055)
                                              << u"Посочете елемента в релацията"_qs << true;
    QTest::newRow("Slowo(2)") << u"Slowo(2)"_qs << QRect(840, 2640, 9375, 1485)
                              << u"Набор от вече въведени отговори"_qs << true;
    QTest::newRow("Uprawl(0)") << u"Uprawl(0)"_qs << QRect(1200, 4200, 1215, 375)
                               << u"Натиснете бутон за избор"_qs << true;
    QTest::newRow("Uprawl(1)") << u"Uprawl(1)"_qs << QRect(4680, 4200, 1215, 375)
                               << u"Изтрива / възстановява направения избор"_qs << true;
    QTest::newRow("Uprawl(2)") << u"Uprawl(2)"_qs << QRect(8400, 4200, 1215, 375)
                               << u"Преустановява теста и формира оценка"_qs << true;
    QTest::newRow("Grafika(0)") << u"Grafika(0)"_qs << QRect(120, 4680, 1575, 1335) << QString()
                                << true;
    QTest::newRow("Prowerka(0)") << u"Prowerka(0)"_qs << QRect(1800, 4680, 9135, 1935)
                                 << QString() << true;
    QTest::newRow("Prowerka(1)") << u"Prowerka(1)"_qs << QRect(10440, 3120, 495, 495)
                                 << u"зелено - Вярно; червено - Грешно"_qs << false;
    QTest::newRow("Grafika(1)") << u"Grafika(1)"_qs << QRect(120, 5760, 1575, 1335) << QString()
                                << false;
  }
  void geometryInTwips() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, tooltip);
    QFETCH(bool, shown);
    QWidget *widget = control(name);
    const QRect actual = inTwips(*widget);
    QVERIFY2(near(actual.x(), twips.x()) && near(actual.y(), twips.y()) &&
                 near(actual.width(), twips.width()) && near(actual.height(), twips.height()),
             qPrintable(u"%1,%2 %3x%4"_qs.arg(actual.x()).arg(actual.y()).arg(actual.width()).arg(actual.height())));
    QCOMPARE(widget->toolTip(), tooltip);
    QCOMPARE(widget->isVisible(), shown);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    QCOMPARE(widget->font().family(), u"Times New Roman"_qs);
    QCOMPARE(widget->font().pointSize(), 12);
  }

  void window_() {
    QVERIFY(window->windowTitle().endsWith(u"Zorva по БЕЛ - идиоми - 01"_qs));
    const QWidget &client = *window->centralWidget();
    QVERIFY(near(client.width() * kTwipsPerPixel, 11250));
    QVERIFY(near(client.height() * kTwipsPerPixel, 7005));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    const QList<int> sizes{16, 32};
    for (int size : sizes)
      QVERIFY(window->windowIcon().availableSizes().contains(QSize(size, size)));
  }

  // On a denser screen the window keeps its layout in twips and is drawn
  // with as many more device pixels.
  void sharpOnHighDensityScreens() {
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    QCOMPARE(window->devicePixelRatioF(), scale);
    const QPixmap shot = window->centralWidget()->grab();
    QCOMPARE(shot.size(), window->centralWidget()->size() * scale);
    QCOMPARE(shot.deviceIndependentSize().toSize(), window->centralWidget()->size());
    QCOMPARE(shot.devicePixelRatio(), scale);
  }

  void menuHasExitThenColor() {
    const QList<QAction *> actions = window->menuBar()->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text().remove(u'&'), u"Exit"_qs);
    QCOMPARE(actions[1]->text().remove(u'&'), u"Color"_qs);
    QVERIFY(!actions[0]->menu() && !actions[1]->menu());
  }

  void colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Ndapis") << u"Ndapis"_qs << QColor(255, 192, 128);
    QTest::newRow("Избрах") << u"Uprawl(0)"_qs << QColor(255, 128, 0);
    QTest::newRow("Върни") << u"Uprawl(1)"_qs << QColor(255, 255, 128);
    QTest::newRow("Оцени") << u"Uprawl(2)"_qs << QColor(192, 192, 255);
    QTest::newRow("Обясни") << u"Uprawl(3)"_qs << QColor(0, 192, 0);
    QTest::newRow("Prowerka(0)") << u"Prowerka(0)"_qs << QColor(224, 224, 224);
  }
  void colours() {
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QWidget *widget = control(name);
    QCOMPARE(pixelAt(*widget, QPoint(4, 4)), colour);
    // The window's green shows between the controls.
    QCOMPARE(pixelAt(*window->centralWidget(), QPoint(2, 2)), QColor(0, 128, 0));
  }

  void tabOrderFollowsTheTabIndexes() {
    QApplication::setActiveWindow(window.get());
    QCOMPARE(QApplication::focusWidget(), window->SlowoView[0]);
    window->Prowerka[1]->show();
    window->Grafika[1]->show();
    const QList<QWidget *> expected = {window->SlowoView[1], window->SlowoView[2], window->Uprawl[0],
                                       window->Uprawl[1],    window->Prowerka[1],  window->Prowerka[0],
                                       window->Uprawl[3],    window->Grafika[0],   window->Grafika[1],
                                       window->SlowoView[0]};
    for (QWidget *next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void stateBeforeTheFirstPair() {
    QCOMPARE(window->Ndapis->text(), u"Оставащи:"_qs);
    QVERIFY(!window->Uprawl[2]->isEnabled());
    for (int i : {0, 1, 3}) QVERIFY(window->Uprawl[i]->isEnabled());
    QCOMPARE(window->Slowo[2]->count(), 0);
    QCOMPARE(window->Nastroiki->text(0), u"25"_qs);
    QCOMPARE(window->Cweta[0]->count(), 19);
  }

  void closeBoxEndsTheProgram() {
    window->Cwqt_Click();
    window->close();
    QVERIFY(!window->isVisible());
    QVERIFY(!window->settingsDialog() || !window->settingsDialog()->isVisible());
  }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
