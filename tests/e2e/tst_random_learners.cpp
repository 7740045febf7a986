#include <QApplication>
#include <QCollator>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <cstdio>

#include "core/colours.h"
#include "core/numbers.h"
#include "core/string_list_view.h"
#include "fixtures/contents.h"
#include "settings/appearance_record.h"
#include "settings/cwiat.h"
#include "test_window/picture_box.h"
#include "test_window/zorva.h"

// Random learners click and type anything, in any order, on the test window
// and the settings dialog; after every action the window's state must hang
// together. Each learner plays from its own seed, so a failure replays.
// ZORVA_LEARNERS and ZORVA_ACTIONS set how many learners play how long.
namespace {

int fromEnvironment(const char *name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : fallback;
}

QList<Content> contents() {
  return {embeddedContent(), contentOfSize(25, 20), contentOfSize(8, 8), contentWithPictures(),
          contentOfSize(1, 1), contentOfSize(4, 7)};
}

QStringList fonts() {
  return {u"DejaVu Sans"_qs, u"Times New Roman"_qs, u"Liberation Serif"_qs, u"Times New Roman"_qs};
}

class Learner {
 public:
  Learner(const Content &content, quint32 seed)
      : m_content(content), m_window(content, fonts), m_random(seed) {
    m_window.show();
  }

  // One action; returns what it did, for the failure message.
  QString act() {
    switch (m_random.bounded(10)) {
      case 0:
      case 1:
        return clickRow();
      case 2:
        return pressKeyInList();
      case 3:
      case 4:
        return clickButton();
      case 5:
        QTest::mouseClick(m_window.Grafika[0], Qt::LeftButton);
        return u"picture panel"_qs;
      case 6:
        m_window.Cwqt->trigger();
        return u"Color"_qs;
      default:
        return actInDialog();
    }
  }

  // What does not hang together, or nothing.
  QString broken() const;

 private:
  int pick(int count) { return count > 0 ? int(m_random.bounded(count)) : 0; }

  QString clickRow() {
    const int list = pick(3);
    StringListView &view = *m_window.SlowoView[list];
    const int rows = view.model()->rowCount();
    if (rows == 0) return u"no row in list %1"_qs.arg(list);
    const QModelIndex index = view.model()->index(pick(rows), 0);
    // Now and then with Control, which would take a selection away.
    const Qt::KeyboardModifiers modifiers = pick(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.visualRect(index).center());
    return u"click row %1 of list %2"_qs.arg(index.row()).arg(list);
  }

  QString pressKeyInList() {
    static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_Space, Qt::Key_PageDown};
    const int list = pick(3);
    const Qt::Key key = keys[pick(std::size(keys))];
    QTest::keyClick(m_window.SlowoView[list], key);
    return u"key %1 in list %2"_qs.arg(key).arg(list);
  }

  QString clickButton() {
    const int button = pick(4);
    QTest::mouseClick(m_window.Uprawl[button], Qt::LeftButton);
    return u"button %1"_qs.arg(button);
  }

  QString actInDialog() {
    Cwiat *dialog = m_window.settingsDialog();
    if (!dialog) return u"no dialog"_qs;
    QString done;
    switch (m_random.bounded(8)) {
      case 0: {
        const int option = pick(3);
        QTest::mouseClick(dialog->Option1[option], Qt::LeftButton);
        done = u"option %1"_qs.arg(option);
        break;
      }
      case 1: {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const int slider = pick(3);
        QTest::keyClick(dialog->Slider1[slider], keys[pick(std::size(keys))]);
        done = u"key on slider %1"_qs.arg(slider);
        break;
      }
      case 2: {
        const int slider = pick(3);
        QSlider &control = *dialog->Slider1[slider];
        QTest::mouseClick(&control, Qt::LeftButton, {},
                          QPoint(pick(control.width()), control.height() / 2));
        done = u"click on slider %1"_qs.arg(slider);
        break;
      }
      case 3: {
        StringListView &sizes = *dialog->List_fontView[1];
        const QModelIndex index = sizes.model()->index(pick(7), 0);
        sizes.scrollTo(index);
        QTest::mouseClick(sizes.viewport(), Qt::LeftButton, {}, sizes.visualRect(index).center());
        done = u"size row %1"_qs.arg(index.row());
        break;
      }
      case 4:
        dialog->mnu_zapis->trigger();
        done = u"Запис"_qs;
        break;
      case 5:
        dialog->mnu_Otkaz->trigger();
        done = u"Отказ"_qs;
        break;
      case 6:
        dialog->close();
        done = u"close box"_qs;
        break;
      default:
        QTest::keyClick(dialog->List_fontView[1], m_random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
        done = u"key in size list"_qs;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_dialogOpened = true;
    return done;
  }

  QString brokenLists() const;
  QString brokenLabel() const;
  QString brokenRecord() const;

  const Content &m_content;
  Zorva m_window;
  QRandomGenerator m_random;
  bool m_dialogOpened = false;
  mutable bool m_graded = false;
};

QString Learner::broken() const {
  QString problem = brokenLists();
  if (problem.isEmpty()) problem = brokenLabel();
  if (problem.isEmpty()) problem = brokenRecord();
  int dialogs = 0;
  for (QWidget *window : QApplication::topLevelWidgets()) dialogs += qobject_cast<Cwiat *>(window) != nullptr;
  if (problem.isEmpty() && dialogs > 1) problem = u"%1 settings dialogs"_qs.arg(dialogs);
  return problem;
}

QString Learner::brokenLists() const {
  const Zorva &w = m_window;
  QCollator collator(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  for (int side = 0; side < 2; ++side) {
    const StringList &phrases = *w.Slowo[side];
    const StringList &numbers = *w.dum_N[side];
    const StringList &paired = *w.dum_N[2 + side];
    if (numbers.count() != phrases.count()) return u"dum_N(%1) out of step"_qs.arg(side);
    for (int row = 0; row < phrases.count(); ++row) {
      const int item = numbers.text(row).toInt();
      if (phrases.text(row).isEmpty() || m_content.danni[side].value(item - 1) != phrases.text(row))
        return u"row %1 of Slowo(%2) is not item %3"_qs.arg(row).arg(side).arg(item);
      if (row > 0 && collator.compare(phrases.text(row - 1), phrases.text(row)) > 0)
        return u"Slowo(%1) is not sorted at row %2"_qs.arg(side).arg(row);
    }
    for (int item = 1; item <= m_content.danni[side].size(); ++item) {
      const QString number = QString::number(item);
      if (numbers.rows().count(number) + paired.rows().count(number) != 1)
        return u"item %1 of side %2 is not in exactly one place"_qs.arg(item).arg(side);
    }
  }
  if (w.dum_N[2]->count() != w.Slowo[2]->count() || w.dum_N[3]->count() != w.Slowo[2]->count())
    return u"recorded pairs out of step"_qs;
  for (int row = 0; row < w.Slowo[2]->count(); ++row) {
    const QString pair = m_content.danni[0].value(w.dum_N[2]->text(row).toInt() - 1) + u' ' +
                         m_content.danni[1].value(w.dum_N[3]->text(row).toInt() - 1);
    if (w.Slowo[2]->text(row) != pair) return u"pair text of row %1"_qs.arg(row);
  }
  return {};
}

QString Learner::brokenLabel() const {
  const Zorva &w = m_window;
  const QString label = w.Ndapis->text();
  static const QRegularExpression grade(u"^Верни: (\\d+)%$"_qs);
  const QRegularExpressionMatch graded = grade.match(label);
  if (graded.hasMatch()) {
    m_graded = true;
    if (graded.captured(1).toInt() > 100 || graded.captured(1) != QString::number(graded.captured(1).toInt()))
      return u"grade %1"_qs.arg(label);
  } else if (m_graded) {
    return u"the grade was replaced by %1"_qs.arg(label);
  } else if (label != u"Оставащи:"_qs) {
    const int remaining = std::min(w.Slowo[0]->count(), w.Slowo[1]->count());
    if (label != u"Остават: "_qs + QString::number(remaining)) return u"label %1"_qs.arg(label);
  }
  if (m_graded && (w.Uprawl[0]->isEnabled() || w.Uprawl[1]->isEnabled()))
    return u"recording possible after grading"_qs;
  return {};
}

QString Learner::brokenRecord() const {
  const StringList &record = *m_window.Cweta[0];
  if (record.count() != 19) return u"record has %1 entries"_qs.arg(record.count());
  if (record.text(0) != u"всичко това е за управление на цветове"_qs) return u"record comment"_qs;
  for (int entry = 2; entry < 19; ++entry)
    if (record.text(entry) != decimalText(record.text(entry).toLongLong()))
      return u"entry %1 is %2"_qs.arg(entry).arg(record.text(entry));
  if (!m_dialogOpened) return {};
  for (int group = 0; group < 4; ++group) {
    const int at = colourEntry(group);
    const qint64 composed = numberFromRgb(record.text(at + 1).toInt(), record.text(at + 2).toInt(),
                                          record.text(at + 3).toInt());
    if (record.text(at).toLongLong() != composed) return u"colour of group %1"_qs.arg(group);
  }
  return {};
}

}  // namespace

class TestRandomLearners : public QObject {
  Q_OBJECT

 private slots:
  void learnersKeepTheWindowWhole() {
    const int learners = fromEnvironment("ZORVA_LEARNERS", 240);
    const int actions = fromEnvironment("ZORVA_ACTIONS", 200);
    const QList<Content> tests = contents();
    qint64 played = 0;
    for (int seed = 1; seed <= learners; ++seed) {
      {
        Learner learner(tests[seed % tests.size()], quint32(seed));
        for (int step = 1; step <= actions; ++step) {
          const QString action = learner.act();
          const QString problem = learner.broken();
          QVERIFY2(problem.isEmpty(), qPrintable(u"seed %1, step %2 (%3): %4"_qs.arg(seed).arg(step).arg(action, problem)));
          ++played;
        }
      }
      // What the event loop would have done meanwhile: window system events
      // and deferred deletions, which otherwise pile up from learner to learner.
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Printed directly: in a long run QtTest stops showing its own messages.
    std::printf("%d learners played %lld actions\n", learners, played);
  }
};

QTEST_MAIN(TestRandomLearners)
#include "tst_random_learners.moc"
