#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "core/colours.h"
#include "core/numbers.h"
#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/appearance_record.h"
#include "test_window/picture_box.h"
#include "test_window/zorva.h"

namespace {

// Client area of the window, in twips.
constexpr int kClientWidth = 11865;
constexpr int kClientHeight = 7005;

struct ButtonDesign {
  const char16_t *caption;
  int left, top;
  QColor face;
  const char16_t *tooltip;
};

// Uprawl(0..3): "Избрах", "Върни", "Оцени", "Обясни"; each 1215 x 375 twips.
const ButtonDesign kButtons[] = {
    {u"Избрах", 1200, 4200, QColor(255, 128, 0), u"Натиснете бутон за избор"},
    {u"Върни", 4680, 4200, QColor(255, 255, 128), u"Изтрива / възстановява направения избор"},
    {u"Оцени", 8400, 4200, QColor(192, 192, 255), u"Преустановява теста и формира оценка"},
    {u"Обясни", 9720, 50, QColor(0, 192, 0), u"Дава обяснения"},
};

struct ListDesign {
  StringList::Order order;
  int left, top, width, height;
  const char16_t *tooltip;
};

// Slowo(0): left phrases, Slowo(1): right phrases, Slowo(2): recorded pairs.
const ListDesign kLists[] = {
    {StringList::Order::Sorted, 240, 480, 6105, 2055, u"Посочете елемента в релацията"},
    {StringList::Order::Sorted, 6360, 480, 3375, 2055, u"Посочете елемента в релацията"},
    {StringList::Order::Unsorted, 840, 2640, 9375, 1485, u"Набор от вече въведени отговори"},
};

// A button face drawn in its own colour whatever the style.
QString buttonStyle(const QColor &face) {
  return uR"(QPushButton { background-color: %1; color: black;
  border: 1px solid #404040; border-radius: 2px; }
QPushButton:pressed { border: 2px inset #404040; }
QPushButton:focus { border: 2px solid black; }
QPushButton:disabled { color: #808080; border-color: #808080; })"_qs.arg(face.name());
}

void describe(QWidget &widget, const QString &tooltip, const QString &name) {
  if (!tooltip.isEmpty()) widget.setToolTip(tooltip);
  widget.setAccessibleName(name);
}

}  // namespace

void Zorva::placeInTwips(QWidget &widget, int left, int top, int width, int height) {
  widget.setGeometry(twipsRect(left, top, width, height));
}

void Zorva::buildControls() {
  Q_INIT_RESOURCE(resources);
  m_client = new QWidget(this);
  m_client->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
  setCentralWidget(m_client);
  setBackground(*m_client, QColor(0, 128, 0));
  QFont font(u"Times New Roman"_qs, 12);
  m_client->setFont(font);
  setWindowTitle(QString(29, u' '));
  QIcon icon;
  icon.addFile(u":/icons/zorva-16.png"_qs);
  icon.addFile(u":/icons/zorva-32.png"_qs);
  setWindowIcon(icon);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  Ndapis = new QLabel(u"Оставащи:"_qs, m_client);
  placeInTwips(*Ndapis, 4440, 0, 1455, 375);
  Ndapis->setAlignment(Qt::AlignCenter);
  setBackground(*Ndapis, QColor(255, 192, 128));
  Ndapis->setToolTip(u"Извежда резултатите в края на теста"_qs);

  for (int i = 0; i < 3; ++i) {
    const ListDesign &design = kLists[i];
    Slowo[i] = new StringList(design.order, i, this);
    Slowo[i]->setClickHandler([this](int index) { Slowo_Click(index); });
    SlowoView[i] = new StringListView(*Slowo[i], m_client);
    placeInTwips(*SlowoView[i], design.left, design.top, design.width, design.height);
    describe(*SlowoView[i], QString::fromUtf16(design.tooltip), QString::fromUtf16(design.tooltip));
  }

  for (int i = 0; i < 4; ++i) {
    const ButtonDesign &design = kButtons[i];
    Uprawl[i] = new QPushButton(QString::fromUtf16(design.caption), m_client);
    placeInTwips(*Uprawl[i], design.left, design.top, 1215, 375);
    Uprawl[i]->setStyleSheet(buttonStyle(design.face));
    Uprawl[i]->setAutoDefault(true);  // Enter presses it, as Space does
    describe(*Uprawl[i], QString::fromUtf16(design.tooltip), Uprawl[i]->text());
    connect(Uprawl[i], &QPushButton::clicked, this, [this, i] { Uprawl_Click(i); });
  }
  Uprawl[2]->setEnabled(false);

  for (int i = 0; i < 2; ++i) {
    Grafika[i] = new PictureBox(m_client);
    placeInTwips(*Grafika[i], 120, i == 0 ? 4680 : 5760, 1575, 1335);
    connect(Grafika[i], &PictureBox::clicked, this, [this, i] { Grafika_Click(i); });
  }
  describe(*Grafika[0], {}, u"Картина"_qs);
  describe(*Grafika[1], {}, u"Празна картина"_qs);
  Grafika[1]->hide();

  Prowerka[0] = new TextBox(m_client);
  placeInTwips(*Prowerka[0], 1800, 4680, 9135, 1935);
  setBackground(*Prowerka[0], QColor(224, 224, 224));
  Prowerka[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  describe(*Prowerka[0], {}, u"Указания и обяснения"_qs);

  Prowerka[1] = new TextBox(m_client);
  placeInTwips(*Prowerka[1], 10440, 3120, 495, 495);
  setBackground(*Prowerka[1], QColor(0, 255, 0));
  Prowerka[1]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Prowerka[1]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Prowerka[1]->setLineWrapMode(QPlainTextEdit::NoWrap);
  Prowerka[1]->setTextInteractionFlags(Qt::NoTextInteraction);  // a mark: no text cursor
  describe(*Prowerka[1], u"зелено - Вярно; червено - Грешно"_qs, u"зелено - Вярно; червено - Грешно"_qs);
  Prowerka[1]->hide();
}

void Zorva::buildHiddenLists() {
  for (int i = 0; i < int(dum_N.size()); ++i) {
    dum_N[i] = new StringList(StringList::Order::Unsorted, i, this);
    dum_N[i]->setClickHandler([this](int index) { dum_N_Click(index); });
  }
  for (int number = 1; number <= 50; ++number) {
    dum_N[4]->add(decimalText(number));
    dum_N[5]->add(decimalText(number));
  }
  Nastroiki = new StringList(StringList::Order::Unsorted, 0, this);
  Nastroiki->add(u"Zapiswam po-malkiq broj"_qs);
  Cweta[0] = new StringList(StringList::Order::Unsorted, 0, this);
  fillAppearanceRecord(*Cweta[0]);
}

void Zorva::buildMenu() {
  Izhod = menuBar()->addAction(u"&Exit"_qs);
  Cwqt = menuBar()->addAction(u"&Color"_qs);
  connect(Izhod, &QAction::triggered, this, &Zorva::Izhod_Click);
  connect(Cwqt, &QAction::triggered, this, &Zorva::Cwqt_Click);
}

// Tab indexes: Slowo(0..2) 3-5, Uprawl(0..2) 7-9, Prowerka(1) 14,
// Prowerka(0) 15, Uprawl(3) 17, Grafika(0) 19, Grafika(1) 20.
void Zorva::setTabOrder() {
  QWidget *const chain[] = {SlowoView[0], SlowoView[1], SlowoView[2], Uprawl[0],
                            Uprawl[1],    Uprawl[2],    Prowerka[1],  Prowerka[0],
                            Uprawl[3],    Grafika[0],   Grafika[1]};
  for (size_t i = 1; i < std::size(chain); ++i)
    QWidget::setTabOrder(chain[i - 1], chain[i]);
  SlowoView[0]->setFocus();
}

void Zorva::setOuterWidth(int twips) {
  const int frame = frameGeometry().width() - geometry().width();
  m_client->setFixedWidth(twipsToPixels(twips) - frame);
  adjustSize();
}

void Zorva::moveListInTwips(int index, int left, int width) {
  QWidget &view = *SlowoView[index];
  view.move(twipsToPixels(left), view.y());
  view.resize(twipsToPixels(width), view.height());
}

void Zorva::centreOnScreen() {
  adjustSize();
  if (const QScreen *display = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
  }
}

void Zorva::Izhod_Click() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (QWidget *window : windows) window->hide();
  QCoreApplication::exit(0);
}

void Zorva::closeEvent(QCloseEvent *event) {
  event->accept();
  Izhod_Click();
}
