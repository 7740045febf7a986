#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>

#include "core/colours.h"
#include "core/numbers.h"
#include "core/string_list.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/cwiat.h"

namespace {

// Client area of the dialog, in twips.
constexpr int kClientWidth = 5535;
constexpr int kClientHeight = 4710;

// Tops of the rows of the mixer: red, green, blue, and the hidden fourth
// option (button background).
constexpr int kRowTop[] = {1560, 2040, 2520, 3000};

struct LabelDesign {
  const char16_t *caption;
  int left, top, width, height;
  const char16_t *tooltip;
};

// Label_Cv(0..8).
const LabelDesign kLabels[] = {
    {u"Ч", 120, kRowTop[0], 320, 315, u""},
    {u"З", 120, kRowTop[1], 320, 315, u""},
    {u"С", 120, kRowTop[2], 320, 315, u""},
    {u"Цвят", 795, 1150, 4020, 255,
     u"Показва цифровата стойност на формирания цвят в 16-ична бройна система "},
    {u"Размер  шрифт", 3860, 3450, 1490, 285,
     u"Показва размера на буквите във формирания текст "},
    {u"Цвят форма", 4200, kRowTop[0], 1155, 285, u"За настройване цвета на фона на формата "},
    {u"Фон текст", 4200, kRowTop[1], 1155, 285,
     u"За настройване цвета на фона в текстовите полета "},
    {u"Цвят текст", 4200, kRowTop[2], 1155, 285,
     u" За настройване цвета на текста в текстовите полета "},
    {u"Цвят бутон", 4200, kRowTop[3], 1155, 285, u" За настройване цвета на фона на бутоните "},
};

// Label_ST(0..2), one per slider.
const LabelDesign kComponentLabels[] = {
    {u"R", 3440, kRowTop[0], 315, 315, u"Цифрова стойност на червения цвят в обхвата [0 - 255] "},
    {u"G", 3440, kRowTop[1], 315, 315, u"Цифрова стойност на зеления цвят в обхвата [0 - 255] "},
    {u"B", 3440, kRowTop[2], 315, 315, u"Цифрова стойност на синия цвят в обхвата [0 - 255] "},
};

// Text colour of the labels of the red, green and blue rows.
const QColor kComponentColour[] = {QColor(192, 0, 0), QColor(0, 192, 0), QColor(0, 0, 192)};

const char16_t *const kSliderTooltips[] = {
    u"Промяна на стойн остта на червената съставка ",
    u"Промяна на стойн остта на зелената съставка ",
    u"Промяна на стойн остта на синята съставка ",
};

const char16_t *const kOptionTooltips[] = {
    u" За настройване цвета на фона на формата ",
    u" За настройване цвета на фона в текстовите полета ",
    u" За настройване цвета на текста в текстовите полета ",
    u" За настройване цвета на фона на бутоните ",
};

const char16_t *const kFontSizes[] = {u"8", u"9", u"10", u"11", u"12", u"13", u"14"};

QFont labelFont() {
  QFont font(u"Times New Roman"_qs);
  font.setPointSizeF(9.75);
  return font;
}

void placeInTwips(QWidget &widget, int left, int top, int width, int height) {
  widget.setGeometry(twipsRect(left, top, width, height));
}

// Controls without a caption are named by their tooltip.
void describe(QWidget &widget, const QString &tooltip) {
  widget.setToolTip(tooltip);
  widget.setAccessibleName(tooltip);
}

// A label is named by its caption, which Qt reads out as it changes.
QLabel *makeLabel(const LabelDesign &design, QWidget &parent) {
  auto *label = new QLabel(QString::fromUtf16(design.caption), &parent);
  placeInTwips(*label, design.left, design.top, design.width, design.height);
  label->setFont(labelFont());
  label->setAlignment(Qt::AlignCenter);
  label->setToolTip(QString::fromUtf16(design.tooltip));
  return label;
}

}  // namespace

void Cwiat::buildControls() {
  m_client = new QWidget(this);
  m_client->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
  setCentralWidget(m_client);
  setBackground(*m_client, QColor(128, 128, 128));
  m_client->setFont(QFont(u"Times New Roman"_qs, 12));
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  for (size_t i = 0; i < Label_Cv.size(); ++i) Label_Cv[i] = makeLabel(kLabels[i], *m_client);
  Label_Cv[8]->hide();
  buildColourMixer();
  buildFontChooser();
}

void Cwiat::buildColourMixer() {
  picColor = new QFrame(m_client);
  placeInTwips(*picColor, 240, 120, 5055, 915);
  picColor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picColor->setFocusPolicy(Qt::StrongFocus);
  setBackground(*picColor, QColor(192, 192, 192));
  describe(*picColor, u"Получен изходен цвят"_qs);

  for (int k = 0; k < 3; ++k) {
    setTextColour(*Label_Cv[k], kComponentColour[k]);
    Label_ST[k] = makeLabel(kComponentLabels[k], *m_client);
    setTextColour(*Label_ST[k], kComponentColour[k]);

    Slider1[k] = new QSlider(Qt::Horizontal, m_client);
    placeInTwips(*Slider1[k], 440, kRowTop[k], 3000, 315);
    Slider1[k]->setRange(0, 255);
    Slider1[k]->setSingleStep(1);
    Slider1[k]->setPageStep(10);
    describe(*Slider1[k], QString::fromUtf16(kSliderTooltips[k]));
    // Values set by the program are set under a signal blocker, so only the
    // learner's movements arrive here.
    connect(Slider1[k], &QSlider::valueChanged, this, [this, k] { Slider1_Scroll(k); });
  }

  m_options = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    Option1[k] = new QRadioButton(m_client);
    placeInTwips(*Option1[k], 3860, kRowTop[k], 345, 285);
    // Buttons fill their background from the Button role; an option button
    // shows the colour of its group, kept in the Window role.
    Option1[k]->setBackgroundRole(QPalette::Window);
    describe(*Option1[k], QString::fromUtf16(kOptionTooltips[k]));
    m_options->addButton(Option1[k], k);
  }
  Option1[0]->setChecked(true);
  Option1[3]->hide();
  // Emitted for the learner's choice only, not when the program checks one.
  connect(m_options, &QButtonGroup::idClicked, this, &Cwiat::Option1_Click);
}

void Cwiat::buildFontChooser() {
  List_font[0] = new StringList(StringList::Order::Sorted, 0, this);
  List_font[1] = new StringList(StringList::Order::Unsorted, 1, this);
  for (const char16_t *size : kFontSizes) List_font[1]->add(QString::fromUtf16(size));
  for (StringList *list : List_font)
    list->setClickHandler([this](int index) { List_font_Click(index); });

  List_fontView[0] = new StringListView(*List_font[0], m_client);
  placeInTwips(*List_fontView[0], 600, 2900, 2655, 1200);
  describe(*List_fontView[0], u" Определя избрания шрифт "_qs);
  List_fontView[0]->hide();

  List_fontView[1] = new StringListView(*List_font[1], m_client);
  placeInTwips(*List_fontView[1], 3840, 3840, 855, 735);
  List_fontView[1]->setFont(labelFont());
  describe(*List_fontView[1], u" Определя размера на буквите "_qs);

  Text_Cv[0] = new TextBox(m_client);
  placeInTwips(*Text_Cv[0], 600, 4200, 2655, 405);
  Text_Cv[0]->setText(u"Шрифт"_qs);
  Text_Cv[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text_Cv[0]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text_Cv[0]->setTabChangesFocus(true);
  describe(*Text_Cv[0], u"Полето илюстрира шрифт, размер на букви, цвят и фон на букви "_qs);
}

void Cwiat::buildMenu() {
  // Alt with the underlined letter chooses a command from the keyboard.
  mnu_zapis = menuBar()->addAction(u"&Запис"_qs);
  mnu_Otkaz = menuBar()->addAction(u"&Отказ"_qs);
  mnu_Danni = menuBar()->addAction(u"Danni"_qs);
  mnu_Danni->setVisible(false);
  mnu_Danni->setEnabled(false);
  connect(mnu_zapis, &QAction::triggered, this, &Cwiat::mnu_zapis_Click);
  connect(mnu_Otkaz, &QAction::triggered, this, &Cwiat::mnu_Otkaz_Click);
}

void Cwiat::setTabOrder() {
  QWidget *const chain[] = {picColor,         Slider1[0], Slider1[1], Slider1[2],
                            List_fontView[1], Text_Cv[0], Option1[0], Option1[1],
                            Option1[2],       Option1[3]};
  for (size_t i = 1; i < std::size(chain); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  picColor->setFocus();
}
