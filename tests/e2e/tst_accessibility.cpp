#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <QLabel>
#include <QPushButton>

#include "core/string_list.h"
#include "core/string_list_view.h"
#include "test_window/picture_box.h"
#include "fixtures/contents.h"
#include "settings/cwiat.h"
#include "test_window/zorva.h"
#include "test_window/zorva_graphika.h"

// What a screen reader finds: every control of the three windows has a role
// and a name, and the lists expose their rows.
namespace {

struct Found {
  QAccessible::Role role;
  QString name;
  int children;
};

// Every visible control below `widget`, by its accessible interface.
QList<Found> controls(QWidget *widget) {
  QList<Found> found;
  QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(widget)};
  while (!pending.isEmpty()) {
    QAccessibleInterface *item = pending.takeFirst();
    if (!item || item->state().invisible) continue;
    found << Found{item->role(), item->text(QAccessible::Name), item->childCount()};
    if (item->role() == QAccessible::List) continue;  // its rows are checked apart
    for (int i = 0; i < item->childCount(); ++i) pending << item->child(i);
  }
  return found;
}

const QSet<QAccessible::Role> kNamed = {QAccessible::Button,   QAccessible::PushButton,
                                        QAccessible::List,     QAccessible::EditableText,
                                        QAccessible::Graphic,  QAccessible::Slider,
                                        QAccessible::RadioButton, QAccessible::StaticText,
                                        QAccessible::MenuItem};

QStringList unnamed(QWidget *window) {
  QStringList missing;
  for (const Found &control : controls(window))
    if (kNamed.contains(control.role) && control.name.trimmed().isEmpty())
      missing << QString::number(control.role);
  return missing;
}

int count(QWidget *window, QAccessible::Role role) {
  int n = 0;
  for (const Found &control : controls(window)) n += control.role == role;
  return n;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void testWindow() {
    Zorva window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(unnamed(&window), QStringList());
    QCOMPARE(count(&window, QAccessible::List), 3);
    QVERIFY(count(&window, QAccessible::Button) + count(&window, QAccessible::PushButton) >= 4);
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(window.Grafika[0]);
    QCOMPARE(panel->text(QAccessible::Name), u"Картина"_qs);

    // The left list exposes its 25 rows, each named by its phrase.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(window.SlowoView[0]);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->text(QAccessible::Name), u"Посочете елемента в релацията"_qs);
    QCOMPARE(list->childCount(), 25);
    QCOMPARE(list->child(0)->text(QAccessible::Name), window.Slowo[0]->text(0));

    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(window.Uprawl[0]);
    QCOMPARE(button->text(QAccessible::Name), u"Избрах"_qs);
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(window.Ndapis);
    QCOMPARE(status->text(QAccessible::Name), u"Оставащи:"_qs);
  }

  void settingsDialog() {
    Zorva window(embeddedContent(), [] { return QStringList{u"Times New Roman"_qs}; });
    window.show();
    window.Cwqt_Click();
    Cwiat *dialog = window.settingsDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(unnamed(dialog), QStringList());
    QCOMPARE(count(dialog, QAccessible::Slider), 3);
    QCOMPARE(count(dialog, QAccessible::RadioButton), 3);
    QAccessibleInterface *sizes = QAccessible::queryAccessibleInterface(dialog->List_fontView[1]);
    QCOMPARE(sizes->childCount(), 7);
  }

  void pictureStore() {
    Zorva window(contentWithPictures());
    window.show();
    window.Picture_Number = 3;
    window.Grafika_Click(0);
    QVERIFY(window.graphika().isVisible());
    QCOMPARE(unnamed(&window.graphika()), QStringList());
    QCOMPARE(count(&window.graphika(), QAccessible::Graphic), 1);  // it shows a picture now
  }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
