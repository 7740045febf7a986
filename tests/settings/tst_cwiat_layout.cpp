#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "core/numbers.h"
#include "core/string_list.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/cwiat.h"
#include "settings/stand_in_window.h"

// How the dialog looks when it opens: window, menu and the design of every
// control.
class TestCwiatLayout : public QObject {
  Q_OBJECT

 private:
  StandInWindow m_window;
  CwiatState m_state;
  Cwiat *m_dialog = nullptr;

  QList<QWidget *> controls() const {
    const Cwiat &d = *m_dialog;
    return {d.picColor,   d.Label_Cv[0], d.Label_Cv[1], d.Label_Cv[2], d.Label_Cv[3],
            d.Label_Cv[4], d.Label_Cv[5], d.Label_Cv[6], d.Label_Cv[7], d.Label_Cv[8],
            d.Slider1[0], d.Slider1[1], d.Slider1[2], d.Label_ST[0], d.Label_ST[1],
            d.Label_ST[2], d.Option1[0], d.Option1[1], d.Option1[2], d.Option1[3],
            d.List_fontView[0], d.List_fontView[1], d.Text_Cv[0]};
  }

 private slots:
  void initTestCase() {
    m_dialog = new Cwiat(m_window, m_state, [] { return QStringList{u"Times New Roman"_qs}; });
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
  }

  void cleanupTestCase() { delete m_dialog; }

  void window() {
    QCOMPARE(m_dialog->windowTitle(), u"Формиране на цвят/избор на шрифт"_qs);
    QCOMPARE(m_dialog->client().size(), twipsRect(0, 0, 5535, 4710).size());
    QCOMPARE(m_dialog->client().grab().toImage().pixelColor(2, 2), QColor(128, 128, 128));
    QCOMPARE(m_dialog->client().font().family(), u"Times New Roman"_qs);
    QCOMPARE(m_dialog->client().font().pointSizeF(), 12.0);
    QVERIFY(m_dialog->menuBar()->geometry().bottom() < m_dialog->client().geometry().top());
  }

  void menu() {
    QCOMPARE(m_dialog->menuBar()->actions(),
             QList<QAction *>({m_dialog->mnu_zapis, m_dialog->mnu_Otkaz, m_dialog->mnu_Danni}));
    QCOMPARE(m_dialog->mnu_zapis->text().remove(u'&'), u"Запис"_qs);
    QCOMPARE(m_dialog->mnu_Otkaz->text().remove(u'&'), u"Отказ"_qs);
    QCOMPARE(m_dialog->mnu_Danni->text(), u"Danni"_qs);
    QVERIFY(m_dialog->mnu_zapis->isVisible() && m_dialog->mnu_Otkaz->isVisible());
    QVERIFY(!m_dialog->mnu_Danni->isVisible());
    QVERIFY(!m_dialog->mnu_Danni->isEnabled());
  }

  void controls_data() {
    QTest::addColumn<QWidget *>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("shown");

    const Cwiat &d = *m_dialog;
    auto row = [](const char *name, QWidget *control, QRect twips, const QString &caption,
                  const QString &tooltip, bool shown = true) {
      QTest::newRow(name) << control << twips << caption << tooltip << shown;
    };
    row("picColor", d.picColor, {240, 120, 5055, 915}, {}, u"Получен изходен цвят"_qs);
    row("Label_Cv(0)", d.Label_Cv[0], {120, 1560, 320, 315}, u"Ч"_qs, {});
    row("Label_Cv(1)", d.Label_Cv[1], {120, 2040, 320, 315}, u"З"_qs, {});
    row("Label_Cv(2)", d.Label_Cv[2], {120, 2520, 320, 315}, u"С"_qs, {});
    row("Label_Cv(3)", d.Label_Cv[3], {795, 1150, 4020, 255}, u"Цвят"_qs,
        u"Показва цифровата стойност на формирания цвят в 16-ична бройна система "_qs);
    row("Label_Cv(4)", d.Label_Cv[4], {3860, 3450, 1490, 285}, u"Размер  шрифт"_qs,
        u"Показва размера на буквите във формирания текст "_qs);
    row("Label_Cv(5)", d.Label_Cv[5], {4200, 1560, 1155, 285}, u"Цвят форма"_qs,
        u"За настройване цвета на фона на формата "_qs);
    row("Label_Cv(6)", d.Label_Cv[6], {4200, 2040, 1155, 285}, u"Фон текст"_qs,
        u"За настройване цвета на фона в текстовите полета "_qs);
    row("Label_Cv(7)", d.Label_Cv[7], {4200, 2520, 1155, 285}, u"Цвят текст"_qs,
        u" За настройване цвета на текста в текстовите полета "_qs);
    row("Label_Cv(8)", d.Label_Cv[8], {4200, 3000, 1155, 285}, u"Цвят бутон"_qs,
        u" За настройване цвета на фона на бутоните "_qs, false);
    row("Slider1(0)", d.Slider1[0], {440, 1560, 3000, 315}, {},
        u"Промяна на стойн остта на червената съставка "_qs);
    row("Slider1(1)", d.Slider1[1], {440, 2040, 3000, 315}, {},
        u"Промяна на стойн остта на зелената съставка "_qs);
    row("Slider1(2)", d.Slider1[2], {440, 2520, 3000, 315}, {},
        u"Промяна на стойн остта на синята съставка "_qs);
    row("Label_ST(0)", d.Label_ST[0], {3440, 1560, 315, 315}, u"R"_qs,
        u"Цифрова стойност на червения цвят в обхвата [0 - 255] "_qs);
    row("Label_ST(1)", d.Label_ST[1], {3440, 2040, 315, 315}, u"G"_qs,
        u"Цифрова стойност на зеления цвят в обхвата [0 - 255] "_qs);
    row("Label_ST(2)", d.Label_ST[2], {3440, 2520, 315, 315}, u"B"_qs,
        u"Цифрова стойност на синия цвят в обхвата [0 - 255] "_qs);
    row("Option1(0)", d.Option1[0], {3860, 1560, 345, 285}, {},
        u" За настройване цвета на фона на формата "_qs);
    row("Option1(1)", d.Option1[1], {3860, 2040, 345, 285}, {},
        u" За настройване цвета на фона в текстовите полета "_qs);
    row("Option1(2)", d.Option1[2], {3860, 2520, 345, 285}, {},
        u" За настройване цвета на текста в текстовите полета "_qs);
    row("Option1(3)", d.Option1[3], {3860, 3000, 345, 285}, {},
        u" За настройване цвета на фона на бутоните "_qs, false);
    row("List_font(0)", d.List_fontView[0], {600, 2900, 2655, 1200}, {},
        u" Определя избрания шрифт "_qs, false);
    row("List_font(1)", d.List_fontView[1], {3840, 3840, 855, 735}, {},
        u" Определя размера на буквите "_qs);
    row("Text_Cv(0)", d.Text_Cv[0], {600, 4200, 2655, 405}, {},
        u"Полето илюстрира шрифт, размер на букви, цвят и фон на букви "_qs);
  }

  // Place in twips, caption, tooltip and visibility; every control shown is
  // named for assistive tools by its caption or, without one, its tooltip.
  void controls() {
    QFETCH(QWidget *, control);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(bool, shown);

    QCOMPARE(control->geometry(),
             twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    QCOMPARE(control->toolTip(), tooltip);
    QCOMPARE(control->isVisible(), shown);
    if (auto *label = qobject_cast<QLabel *>(control)) QCOMPARE(label->text(), caption);
    const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    QCOMPARE(name, caption.isEmpty() ? tooltip : caption);
  }

  void labelsSmallCentred() {
    for (QLabel *label : m_dialog->findChildren<QLabel *>()) {
      QCOMPARE(label->font().family(), u"Times New Roman"_qs);
      QCOMPARE(label->font().pointSizeF(), 9.75);
      QCOMPARE(label->alignment(), Qt::AlignCenter);
    }
  }

  void componentColours() {
    const QColor colours[] = {QColor(192, 0, 0), QColor(0, 192, 0), QColor(0, 0, 192)};
    for (int k = 0; k < 3; ++k) {
      QCOMPARE(m_dialog->Label_Cv[k]->palette().color(QPalette::WindowText), colours[k]);
      QCOMPARE(m_dialog->Label_ST[k]->palette().color(QPalette::WindowText), colours[k]);
    }
  }

  void sizeList() {
    QCOMPARE(m_dialog->List_font[1]->rows(),
             QStringList({u"8"_qs, u"9"_qs, u"10"_qs, u"11"_qs, u"12"_qs, u"13"_qs, u"14"_qs}));
    QCOMPARE(m_dialog->List_fontView[1]->font().pointSizeF(), 9.75);
    QCOMPARE(m_dialog->Text_Cv[0]->text(), u"Шрифт"_qs);
    QVERIFY(m_dialog->Text_Cv[0]->isReadOnly());
  }

  void sliderSteps() {
    for (const QSlider *slider : m_dialog->Slider1) {
      QCOMPARE(slider->orientation(), Qt::Horizontal);
      QCOMPARE(slider->minimum(), 0);
      QCOMPARE(slider->maximum(), 255);
      QCOMPARE(slider->singleStep(), 1);
      QCOMPARE(slider->pageStep(), 10);
    }
  }

  // The swatch has the focus first; Tab goes on through the sliders, the
  // size list, the sample and the option buttons.
  void tabOrder() {
    const Cwiat &d = *m_dialog;
    const QList<QWidget *> expected = {d.picColor,        d.Slider1[0], d.Slider1[1],
                                       d.Slider1[2],      d.List_fontView[1], d.Text_Cv[0],
                                       d.Option1[0],      d.Option1[1], d.Option1[2],
                                       d.Option1[3]};
    QCOMPARE(m_dialog->focusWidget(), d.picColor);
    QList<QWidget *> chain;
    QWidget *widget = d.picColor;
    do {
      if (expected.contains(widget)) chain << widget;
      widget = widget->nextInFocusChain();
    } while (widget != d.picColor);
    QCOMPARE(chain, expected);
  }
};

QTEST_MAIN(TestCwiatLayout)
#include "tst_cwiat_layout.moc"
