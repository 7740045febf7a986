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

// A learner without a mouse: Tab and Shift+Tab between the controls, arrow
// keys and Space in the lists, Space or Enter on the buttons, Alt and the
// underlined letter for the menu commands.
class TestKeyboardOnly : public QObject {
  Q_OBJECT

  std::unique_ptr<Zorva> window;

  static QWidget *focus() { return QApplication::focusWidget(); }

  // Tabs forward until `target` has the focus; fails if it never does.
  static void tabTo(QWidget *target) {
    for (int presses = 0; presses < 20 && focus() != target; ++presses)
      QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), target);
  }

  // Moves to row `row` of the focused list with the arrows and selects it.
  static void chooseRow(int row) {
    QTest::keyClick(focus(), Qt::Key_Home);
    for (int i = 0; i < row; ++i) QTest::keyClick(focus(), Qt::Key_Down);
    QTest::keyClick(focus(), Qt::Key_Space);
  }

  void choosePair(int leftItem, int rightItem) {
    tabTo(window->SlowoView[0]);
    chooseRow(learner::rowOfItem(*window, 0, leftItem));
    tabTo(window->SlowoView[1]);
    chooseRow(learner::rowOfItem(*window, 1, rightItem));
  }

  void press(int button, Qt::Key key = Qt::Key_Space) {
    tabTo(window->Uprawl[button]);
    QTest::keyClick(focus(), key);
  }

 private slots:
  void init() {
    window = std::make_unique<Zorva>();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(focus(), window->SlowoView[0]);
  }
  void cleanup() { window.reset(); }

  void wholeTestByKeys() {
    choosePair(3, 3);
    press(3);  // the hint records 3 with 3
    QCOMPARE(learner::recordedItems(*window), u"3:3"_qs);
    QVERIFY(!window->Uprawl[3]->isEnabled());

    for (int item = 1; item <= 25; ++item) {
      if (item == 3) continue;
      choosePair(item, item == 25 ? 24 : item == 24 ? 25 : item);
      press(0, item % 2 ? Qt::Key_Space : Qt::Key_Return);
    }
    QCOMPARE(window->Slowo[2]->count(), 25);

    // Take back the second pair and record it again.
    tabTo(window->SlowoView[2]);
    chooseRow(1);
    press(1);
    QCOMPARE(window->Slowo[2]->count(), 24);
    choosePair(1, 1);
    press(0);
    QCOMPARE(window->Slowo[2]->count(), 25);

    press(2);  // "Оцени": its refresh ran at the previous press
    QCOMPARE(window->Ndapis->text(), u"Верни: 92%"_qs);

    // Explain the pair 24 with 25.
    tabTo(window->SlowoView[2]);
    chooseRow(learner::recordedItems(*window).split(u' ').indexOf(u"24:25"_qs));
    press(3, Qt::Key_Enter);
    QVERIFY(window->Prowerka[0]->text().contains(embeddedContent().danni[1][23]));
    QCOMPARE(window->Prowerka[1]->text(), u"НЕ"_qs);
  }

  void menuCommandsByKeys() {
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    Cwiat *dialog = window->settingsDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());

    // In the dialog: Tab to the red slider, raise it, apply with Alt+З.
    QApplication::setActiveWindow(dialog);
    QCOMPARE(focus(), dialog->picColor);
    tabTo(dialog->Slider1[0]);
    QTest::keyClick(focus(), Qt::Key_Right);
    QCOMPARE(window->Cweta[0]->text(4), u"129"_qs);
    QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key(u'З'), u"з"_qs, Qt::AltModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window->settingsDialog());
    QCOMPARE(window->centralWidget()->palette().color(QPalette::Window), QColor(129, 0, 0));

    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(window->settingsDialog()->isVisible());
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->settingsDialog() || !window->settingsDialog()->isVisible());
  }
};

QTEST_MAIN(TestKeyboardOnly)
#include "tst_keyboard_only.moc"
