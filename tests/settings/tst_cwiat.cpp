#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "core/colours.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/cwiat.h"
#include "settings/stand_in_window.h"

namespace {

const QStringList kFonts = {u"Arial"_qs, u"Times New Roman"_qs, u"DejaVu Sans"_qs};

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

// The record right after the first opening: the components of every group
// follow its colour, so group 1 reads white.
const QStringList kRecordAfterFirstOpening = {
    u"всичко това е за управление на цветове"_qs,
    u"Times New Roman"_qs, u"12"_qs,
    u"128"_qs, u"128"_qs, u"0"_qs, u"0"_qs,
    u"16777215"_qs, u"255"_qs, u"255"_qs, u"255"_qs,
    u"8"_qs, u"8"_qs, u"0"_qs, u"0"_qs,
    u"192"_qs, u"192"_qs, u"0"_qs, u"0"_qs,
};

QColor pixel(QWidget &widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }
QColor centrePixel(QWidget &widget) { return pixel(widget, widget.rect().center()); }
// A spot of a text box or label right of its text.
QColor rightPixel(QWidget &widget) { return pixel(widget, {widget.width() - 6, widget.height() / 2}); }

// The corner of an option button, beside its round mark.
QColor optionPixel(QRadioButton &option) { return pixel(option, {1, 1}); }

// Moves a slider to `value` with the keys a learner would use.
void slideTo(QSlider &slider, int value) {
  QTest::keyClick(&slider, Qt::Key_Home);
  for (int step = 0; step < value / 10; ++step) QTest::keyClick(&slider, Qt::Key_PageUp);
  for (int step = 0; step < value % 10; ++step) QTest::keyClick(&slider, Qt::Key_Right);
  QCOMPARE(slider.value(), value);
}

// Clicks the round mark of an option button.
void choose(QRadioButton &option) {
  QStyleOptionButton style;
  style.initFrom(&option);
  const QRect mark = option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, &option);
  QTest::mouseClick(&option, Qt::LeftButton, {}, mark.center());
}

// Clicks row `row` of a visible list.
void clickRow(StringListView &view, int row) {
  const QModelIndex index = view.model()->index(row, 0);
  view.scrollTo(index);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
}

QString colourLabel(const Cwiat &dialog) { return dialog.Label_Cv[3]->text(); }

QStringList componentLabels(const Cwiat &dialog) {
  return {dialog.Label_ST[0]->text(), dialog.Label_ST[1]->text(), dialog.Label_ST[2]->text()};
}

QList<int> sliderValues(const Cwiat &dialog) {
  return {dialog.Slider1[0]->value(), dialog.Slider1[1]->value(), dialog.Slider1[2]->value()};
}

}  // namespace

// The dialog against a stand-in test window, driven through its widgets.
class TestCwiat : public QObject {
  Q_OBJECT

 private:
  // Opens the dialog as "Color" does.
  Cwiat &open(const QStringList &fonts = kFonts) {
    m_dialog = new Cwiat(*m_window, m_state, [fonts] { return fonts; });
    m_dialog->show();
    return *m_dialog;
  }

  // Chooses a menu command and waits until the dialog's window is gone.
  void chooseAndClose(QAction *command) {
    command->trigger();
    QTRY_VERIFY(m_dialog.isNull());
  }

  QStringList record() const { return m_window->record.rows(); }
  QString entry(int index) const { return m_window->record.text(index); }

  StandInWindow *m_window = nullptr;
  CwiatState m_state;
  QPointer<Cwiat> m_dialog;

 private slots:
  void init() {
    m_window = new StandInWindow;
    m_state = {};
  }

  void cleanup() {
    delete m_dialog;
    delete m_window;
  }

  void openingShowsRecordWithoutMixing() {
    Cwiat &dialog = open();

    QCOMPARE(record(), kRecordAfterFirstOpening);
    QCOMPARE(sliderValues(dialog), QList<int>({128, 0, 0}));
    QCOMPARE(componentLabels(dialog), QStringList({u"R"_qs, u"G"_qs, u"B"_qs}));
    QCOMPARE(colourLabel(dialog), u"Цвят"_qs);
    QVERIFY(dialog.Option1[0]->isChecked());
    QCOMPARE(pixel(dialog.client(), {2, 2}), kGrey);
    QCOMPARE(centrePixel(*dialog.picColor), QColor(128, 0, 0));
    QCOMPARE(rightPixel(*dialog.Text_Cv[0]), kWhite);
    QCOMPARE(dialog.Text_Cv[0]->palette().color(QPalette::Text), QColor(8, 0, 0));
    const QColor optionColours[] = {QColor(128, 0, 0), kWhite, QColor(8, 0, 0), QColor(192, 0, 0)};
    for (int k = 0; k < 4; ++k) QCOMPARE(optionPixel(*dialog.Option1[k]), optionColours[k]);
  }

  void saveAtOnceAppliesBuiltInAppearance() {
    Cwiat &dialog = open();
    chooseAndClose(dialog.mnu_zapis);

    QCOMPARE(pixel(m_window->form, {2, 2}), QColor(128, 0, 0));
    for (QWidget *field : m_window->textFields()) {
      QCOMPARE(rightPixel(*field), kWhite);
      QCOMPARE(field->palette().color(field == m_window->status ? QPalette::WindowText : QPalette::Text),
               QColor(8, 0, 0));
    }
    for (QWidget *field : m_window->fontFields()) {
      QCOMPARE(field->font().family(), u"Times New Roman"_qs);
      QCOMPARE(field->font().pointSizeF(), 12.0);
    }
    QCOMPARE(m_window->status->font().family(), u"DejaVu Sans"_qs);
    QCOMPARE(record(), kRecordAfterFirstOpening);
  }

  void choosingGroupMovesSlidersWithoutWriting() {
    Cwiat &dialog = open();
    choose(*dialog.Option1[1]);

    QCOMPARE(sliderValues(dialog), QList<int>({255, 255, 255}));
    QCOMPARE(componentLabels(dialog), QStringList({u"255"_qs, u"255"_qs, u"255"_qs}));
    QCOMPARE(colourLabel(dialog), u"Цвят в 10/16-тичен код = 16777215 /HFFFFFF"_qs);
    QCOMPARE(centrePixel(*dialog.picColor), kWhite);
    QCOMPARE(pixel(dialog.client(), {2, 2}), kGrey);
    QCOMPARE(record(), kRecordAfterFirstOpening);

    choose(*dialog.Option1[1]);
    QCOMPARE(record(), kRecordAfterFirstOpening);
  }

  void slidersMixCurrentGroup_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("label");

    QTest::newRow("window background, green") << 0 << 1 << 64 << u"16512"_qs
                                              << u"Цвят в 10/16-тичен код = 16512 /H4080"_qs;
    QTest::newRow("window background, all zero") << 0 << 0 << 0 << u"0"_qs
                                                 << u"Цвят в 10/16-тичен код = 0 /H0"_qs;
    QTest::newRow("field background, red") << 1 << 0 << 0 << u"16776960"_qs
                                           << u"Цвят в 10/16-тичен код = 16776960 /HFFFF00"_qs;
    QTest::newRow("text colour, blue") << 2 << 2 << 200 << u"13107208"_qs
                                       << u"Цвят в 10/16-тичен код = 13107208 /HC80008"_qs;
  }

  // The moved component and the group's colour are written at once and shown
  // on the swatch, the labels, the group's option button and its preview.
  void slidersMixCurrentGroup() {
    QFETCH(int, group);
    QFETCH(int, slider);
    QFETCH(int, value);
    QFETCH(QString, colour);
    QFETCH(QString, label);
    Cwiat &dialog = open();
    if (group != 0) choose(*dialog.Option1[group]);
    QStringList expected = record();
    expected[4 * group + 3] = colour;
    expected[4 * group + 4 + slider] = QString::number(value);

    slideTo(*dialog.Slider1[slider], value);

    QCOMPARE(record(), expected);
    QCOMPARE(colourLabel(dialog), label);
    QCOMPARE(dialog.Label_ST[slider]->text(), QString::number(value));
    const QColor mixed = colourFromNumber(colour.toLongLong());
    QCOMPARE(centrePixel(*dialog.picColor), mixed);
    QCOMPARE(optionPixel(*dialog.Option1[group]), mixed);
    QCOMPARE(pixel(dialog.client(), {2, 2}), group == 0 ? mixed : kGrey);
    QCOMPARE(rightPixel(*dialog.Text_Cv[0]), group == 1 ? mixed : kWhite);
    QCOMPARE(dialog.Text_Cv[0]->palette().color(QPalette::Text),
             group == 2 ? mixed : QColor(8, 0, 0));
  }

  void fontNameFollowsRecord_data() {
    QTest::addColumn<QString>("recordFont");
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("sampleFont");

    const QString times = u"Times New Roman"_qs;
    QTest::newRow("installed") << times << kFonts
                               << QStringList({u"Arial"_qs, u"DejaVu Sans"_qs, times}) << 2 << times;
    QTest::newRow("twice installed, the second stays")
        << times << QStringList({times, u"Arial"_qs, times})
        << QStringList({u"Arial"_qs, times, times}) << 2 << times;
    QTest::newRow("other font of the record")
        << u"DejaVu Sans"_qs << kFonts << QStringList({u"Arial"_qs, u"DejaVu Sans"_qs, times}) << 1
        << u"DejaVu Sans"_qs;
    QTest::newRow("not installed") << u"Courier New"_qs << kFonts
                                   << QStringList({u"Arial"_qs, u"DejaVu Sans"_qs, times}) << -1
                                   << times;
    QTest::newRow("letter case differs") << u"dejavu sans"_qs << kFonts
                                         << QStringList({u"Arial"_qs, u"DejaVu Sans"_qs, times})
                                         << -1 << times;
    QTest::newRow("no fonts") << times << QStringList() << QStringList() << -1 << times;
  }

  // The hidden name list holds every installed font; the record's name is
  // selected there and reaches the sample, and entry 1 keeps the name.
  void fontNameFollowsRecord() {
    QFETCH(QString, recordFont);
    QFETCH(QStringList, fonts);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);
    QFETCH(QString, sampleFont);
    m_window->record.setText(1, recordFont);

    Cwiat &dialog = open(fonts);

    QCOMPARE(dialog.List_font[0]->rows(), rows);
    QCOMPARE(dialog.List_font[0]->selectedRow(), selected);
    QVERIFY(dialog.List_fontView[0]->isHidden());
    QCOMPARE(dialog.Text_Cv[0]->font().family(), sampleFont);
    QCOMPARE(entry(1), recordFont);
  }

  void sizeChoiceWritesRecord_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("size");
    QTest::newRow("smallest") << 0 << u"8"_qs;
    QTest::newRow("9") << 1 << u"9"_qs;
    QTest::newRow("largest") << 6 << u"14"_qs;
  }

  void sizeChoiceWritesRecord() {
    QFETCH(int, row);
    QFETCH(QString, size);
    Cwiat &dialog = open();
    QCOMPARE(dialog.List_font[1]->selectedRow(), 4);
    QCOMPARE(dialog.Text_Cv[0]->font().pointSizeF(), 12.0);

    clickRow(*dialog.List_fontView[1], row);

    QCOMPARE(dialog.List_font[1]->selectedRow(), row);
    QCOMPARE(dialog.Text_Cv[0]->font().pointSizeF(), size.toDouble());
    QCOMPARE(entry(2), size);
  }

  void sizeReachesWindowOnlyWithSave() {
    Cwiat &dialog = open();
    QTest::keyClick(dialog.List_fontView[1], Qt::Key_Up);
    QTest::keyClick(dialog.List_fontView[1], Qt::Key_Up);
    QTest::keyClick(dialog.List_fontView[1], Qt::Key_Up);
    QCOMPARE(entry(2), u"9"_qs);
    QCOMPARE(m_window->info->font().pointSizeF(), 10.0);

    chooseAndClose(dialog.mnu_zapis);
    for (QWidget *field : m_window->fontFields()) QCOMPARE(field->font().pointSizeF(), 9.0);
  }

  void sampleSizeFromRecordOutsideList() {
    m_window->record.setText(2, u"20"_qs);
    Cwiat &dialog = open();
    QCOMPARE(dialog.List_font[1]->selectedRow(), -1);
    QCOMPARE(dialog.Text_Cv[0]->font().pointSizeF(), 20.0);
    QCOMPARE(entry(2), u"20"_qs);
  }

  // "Отказ" leaves the window as it was but keeps the record: the next
  // opening shows the mixed colour and the next "Запис" applies it.
  void cancelKeepsMixedColour() {
    slideTo(*open().Slider1[0], 200);
    chooseAndClose(m_dialog->mnu_Otkaz);
    QCOMPARE(pixel(m_window->form, {2, 2}), kStandInForm);
    QCOMPARE(entry(3), u"200"_qs);
    QCOMPARE(entry(4), u"200"_qs);

    Cwiat &again = open();
    QCOMPARE(again.Slider1[0]->value(), 200);
    QCOMPARE(centrePixel(*again.picColor), QColor(200, 0, 0));
    chooseAndClose(again.mnu_zapis);
    QCOMPARE(pixel(m_window->form, {2, 2}), QColor(200, 0, 0));
  }

  // A dialog closed with another group chosen opens again on the window
  // background, and the sliders write into that group, the one they show.
  void reopeningMixesWindowBackground() {
    choose(*open().Option1[2]);
    const qint32 colour = m_state.currentColour;
    m_dialog->close();
    QTRY_VERIFY(m_dialog.isNull());

    Cwiat &again = open();
    QCOMPARE(m_state.currentColour, colour);
    QVERIFY(again.Option1[0]->isChecked());
    QStringList expected = record();
    expected[3] = u"2688"_qs;
    expected[5] = u"10"_qs;

    slideTo(*again.Slider1[1], 10);

    QCOMPARE(record(), expected);
    QCOMPARE(pixel(again.client(), {2, 2}), QColor(128, 10, 0));
  }
};

QTEST_MAIN(TestCwiat)
#include "tst_cwiat.moc"
