#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "core/content.h"
#include "core/string_list.h"
#include "settings/appearance_target.h"
#include "settings/cwiat_state.h"
#include "settings/font_source.h"

class QLabel;
class TextBox;
class QPushButton;
class StringListView;
class PictureBox;
class Zorva_danni;
class Zorva_Graphika;
class Cwiat;

// The test window: two sorted phrase lists, the recorded pairs, four buttons,
// the status label, the information text, the right/wrong mark and the
// picture panel. Its procedures live in one file per concern: layout,
// start-up, pairing, grading, explanations, picture panel, buttons and the
// link to the settings dialog.
class Zorva : public QMainWindow, public AppearanceTarget {
  Q_OBJECT

 public:
  explicit Zorva(const Content &content = embeddedContent(),
                 FontSource fonts = installedFonts);
  ~Zorva() override;

  // Controls, in the arrays the program addresses them by.
  std::array<StringList *, 3> Slowo{};
  std::array<StringListView *, 3> SlowoView{};
  std::array<QPushButton *, 4> Uprawl{};
  std::array<TextBox *, 2> Prowerka{};
  std::array<PictureBox *, 2> Grafika{};
  QLabel *Ndapis = nullptr;
  QAction *Izhod = nullptr;
  QAction *Cwqt = nullptr;

  // Hidden lists.
  std::array<StringList *, 7> dum_N{};
  StringList *Nastroiki = nullptr;
  std::array<StringList *, 1> Cweta{};

  // Form-level variables.
  int Score = 0;
  qint16 Picture_Number = 0;

  // The data window and the picture store, created at their first use.
  Zorva_danni &danni();
  Zorva_Graphika &graphika();
  bool hasPictureStore() const { return m_graphika != nullptr; }
  // The settings dialog while it is open.
  Cwiat *settingsDialog() const;

  // Handlers of the learner's actions.
  void Slowo_Click(int index);
  void dum_N_Click(int index);
  void Uprawl_Click(int index);
  void Grafika_Click(int index);
  void Izhod_Click();
  void Cwqt_Click();

  // The appearance the settings dialog edits and applies.
  StringList &appearanceRecord() override { return *Cweta[0]; }
  QWidget &formSurface() override;
  QList<QWidget *> textFields() override;
  QList<QWidget *> fontFields() override;

 protected:
  void closeEvent(QCloseEvent *event) override;

 private:
  // Layout.
  void buildControls();
  void buildHiddenLists();
  void buildMenu();
  void setTabOrder();
  void centreOnScreen();
  void setOuterWidth(int twips);
  void placeInTwips(QWidget &widget, int left, int top, int width, int height);
  void moveListInTwips(int index, int left, int width);

  // Start-up.
  void Form_Load();
  void Fill_Numbers();
  void Fill_Lists();
  void Map_Numbers();
  void Show_Remaining();
  void Update_Buttons();

  // Pairing.
  void Add_Pair();
  void Return_Pair();
  void returnPhrase(StringList &key, const QString &itemNumber,
                    const StringList &items, StringList &phrases);
  void showMark(int row);

  // Grading.
  void gradeBranch();
  void Grade_Test();

  // Explanations.
  void explainBranch();
  void Build_Explanation(qint16 k);
  void Explain_Answer();
  void Explain_Selection();
  void appendLine(const QString &line);

  // Picture panel.
  void Show_Picture(qint16 k);

  const Content m_content;
  FontSource m_fonts;
  std::unique_ptr<Zorva_danni> m_danni;
  std::unique_ptr<Zorva_Graphika> m_graphika;
  QPointer<Cwiat> m_cwiat;
  CwiatState m_cwiatState;
  QWidget *m_client = nullptr;
};
