#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "core/string_list_view.h"
#include "core/text_box.h"
#include "fixtures/learner.h"
#include "settings/cwiat.h"
#include "test_window/zorva.h"

// The settings dialog as the test window opens it from "Color".
class TestAppearance : public QObject {
  Q_OBJECT

  std::unique_ptr<Zorva> window;

  static int openDialogs() {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) count += qobject_cast<Cwiat *>(widget) != nullptr;
    return count;
  }

 private slots:
  void init() {
    window = learner::openWindow(embeddedContent(), [] { return QStringList{u"Times New Roman"_qs}; });
  }
  void cleanup() {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void colorTwiceOpensOneDialog() {
    window->Cwqt->trigger();
    Cwiat *first = window->settingsDialog();
    QVERIFY(first && first->isVisible());
    QTest::keyClick(first->Slider1[0], Qt::Key_Right);
    window->Cwqt->trigger();
    QCOMPARE(window->settingsDialog(), first);
    QCOMPARE(openDialogs(), 1);
    QCOMPARE(first->Slider1[0]->value(), 129);  // not loaded again
  }

  void testWindowStaysUsable() {
    window->Cwqt->trigger();
    learner::recordPair(*window, 1, 1);
    QCOMPARE(window->Slowo[2]->count(), 1);
    QVERIFY(window->settingsDialog()->isVisible());
  }

  // "Запис" right after start: dark red window, white fields, text colour 8.
  void applyRightAfterStart() {
    window->Cwqt->trigger();
    window->settingsDialog()->mnu_zapis->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window->settingsDialog());
    const QImage shot = window->centralWidget()->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 2), QColor(128, 0, 0));
    QCOMPARE(window->SlowoView[2]->viewport()->grab().toImage().pixelColor(5, 5), QColor(Qt::white));
    QCOMPARE(window->Ndapis->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    QCOMPARE(window->Prowerka[0]->palette().color(QPalette::Text), QColor(8, 0, 0));
    QCOMPARE(window->Uprawl[0]->grab().toImage().pixelColor(4, 4), QColor(255, 128, 0));
    QCOMPARE(window->Prowerka[0]->font().family(), u"Times New Roman"_qs);
    QCOMPARE(window->Prowerka[0]->font().pointSize(), 12);
  }

  void closingAndReopening() {
    window->Cwqt->trigger();
    QTest::keyClick(window->settingsDialog()->Slider1[0], Qt::Key_End);
    window->settingsDialog()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window->settingsDialog());
    QCOMPARE(window->Cweta[0]->text(4), u"255"_qs);
    QCOMPARE(window->centralWidget()->grab().toImage().pixelColor(2, 2), QColor(0, 128, 0));
    window->Cwqt->trigger();
    QCOMPARE(window->settingsDialog()->Slider1[0]->value(), 255);
  }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
