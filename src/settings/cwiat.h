#pragma once

#include <QMainWindow>
#include <array>

#include "settings/cwiat_state.h"
#include "settings/font_source.h"

class AppearanceTarget;
class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QRadioButton;
class QSlider;
class StringList;
class StringListView;
class TextBox;

// The settings dialog: mixes the colours of the test window and picks its
// font size. Modeless and without owner; closing it destroys its window.
// Each new dialog loads itself from the appearance record at once, so it is
// ready before it is first shown.
class Cwiat : public QMainWindow {
  Q_OBJECT

 public:
  Cwiat(AppearanceTarget &target, CwiatState &state, FontSource fonts = installedFonts);

  // Controls, in the arrays the program addresses them by.
  QFrame *picColor = nullptr;
  std::array<QLabel *, 9> Label_Cv{};
  std::array<QSlider *, 3> Slider1{};
  std::array<QLabel *, 3> Label_ST{};
  std::array<QRadioButton *, 4> Option1{};
  std::array<StringList *, 2> List_font{};
  std::array<StringListView *, 2> List_fontView{};
  std::array<TextBox *, 1> Text_Cv{};
  QAction *mnu_zapis = nullptr;
  QAction *mnu_Otkaz = nullptr;
  QAction *mnu_Danni = nullptr;

  // Colour mixer.
  void cwetowe_RGB(qint32 colour);
  void Opredeli_cwqt();
  void Otdelni_Update();
  void Option1_Click(int index);
  void Slider1_Scroll(int index);

  // Font chooser.
  void Fill_Fonts();
  void List_font_Click(int index);

  // Menu.
  void mnu_zapis_Click();
  void mnu_Otkaz_Click();

  // The surface under the controls, which shows the dialog's background.
  QWidget &client() const { return *m_client; }

 private:
  // Layout.
  void buildControls();
  void buildColourMixer();
  void buildFontChooser();
  void buildMenu();
  void setTabOrder();

  // Load.
  void Form_Load();
  void selectRecordRows(StringList &list, int entry);
  void setSampleSize(const QString &points);

  // The appearance record, read and written by entry.
  StringList &record() const;
  qint32 entryNumber(int entry) const;
  QColor entryColour(int entry) const;
  void setEntry(int entry, const QString &text);

  void showSlidersFromRecord(int group);
  qint32 sliderColour() const;

  AppearanceTarget &m_target;
  CwiatState &m_state;
  FontSource m_fonts;
  // The dialog's own font name: the name Fill_Fonts looks for.
  QString m_fontName;
  QWidget *m_client = nullptr;
  QButtonGroup *m_options = nullptr;
};
