#pragma once
// The controls that the wall palette and the wall change dialog share, each
// widget named as in the forms: the wall's kind and height, the fitting, the
// weight, the two panels, the mud wall, the brace and the deterioration. The
// palette and the dialog lay the groups out themselves.
//
// The number edits are filled by the program in a short format ("%5.2f",
// "%5.0f"); while an edit keeps the text the program put in, it stands for
// the exact value behind it, so that 0.455 m is never turned into 0.46 m by
// merely showing it.
#include <QStringList>
#include <vector>

#include "editing/WallInput.h"
#include "mainwindow/FormKit.h"
#include "model/NumberField.h"

class QLineEdit;

// FitToClientSize, but a form whose controls do not fit its designed client
// area even at the smallest font grows until they do, so that no caption is cut.
void FitWallForm(QWidget* form, int width, int height);

// The fitting symbols of Cishou.
QStringList WallFittingItems();
// The lists filled from the live element tables: 45 panel rows as "symbol
// name", the eleven brace names (rows 0..12 without the nailed rows 5 and 7)
// and the mud-wall rows 0..5.
QStringList WallPanelItems();
QStringList WallBraceItems();
QStringList WallMudWallItems();

// A number edit filled by the program with value in format.
void ShowNumber(QLineEdit* edit, const char* format, double value);
// What an edit was filled with: OK gives back the exact value while the
// edit shows the text filled in.
FilledNumber FilledIn(const QLineEdit* edit);

// A number edit of the wall controls: the setting it enters, its caption in
// messages and its range.
struct WallNumberEdit {
  QLineEdit* Edit;
  double WallSettings::*Value;
  const char* Caption;
  const NumberField& Field;
};

enum class WallControlsFor { Palette, ChangeDialog };

struct WallSettingControls {
  // 壁の種類
  QGroupBox* Gshurui = nullptr;
  RadioRow Opening;  // by OpeningKind
  QRadioButton *Rmukaikou = nullptr, *Rmado = nullptr, *Rto = nullptr, *Rzenkaikou = nullptr;
  QCheckBox* Ctairyokunashi = nullptr;
  QLineEdit* Etakasa = nullptr;
  // 表示
  QGroupBox* Ghyouji = nullptr;
  QComboBox* Cishou = nullptr;
  QLineEdit *Ehidari = nullptr, *Emigi = nullptr;
  QCheckBox *Cnaigai = nullptr, *Csayuu = nullptr;
  // 壁の重さ
  QGroupBox* Gomosa = nullptr;
  RadioRow Weight;  // by WeightClass
  QRadioButton *Romosa1 = nullptr, *Romosa2 = nullptr, *Romosa0 = nullptr;
  QLineEdit* Eomosa = nullptr;
  // 左上面材, 右下面材
  QGroupBox *Glum = nullptr, *Grdm = nullptr;
  QComboBox *Cmenzai1 = nullptr, *Cmenzai2 = nullptr, *Cludoubuchi = nullptr, *Crddoubuchi = nullptr;
  QLineEdit *Elutakasa = nullptr, *Erdtakasa = nullptr;
  // 土壁
  QGroupBox* Gtsuchi = nullptr;
  QComboBox* Ctsuchi = nullptr;
  QLineEdit* Etsuchitakasa = nullptr;
  // 筋かい
  QGroupBox *Gsuji = nullptr, *GroupBox1 = nullptr;
  QComboBox* Csuji = nullptr;
  RadioRow Arrangement, EndJoint;
  QRadioButton *Rkatasuji = nullptr, *Rtasuki = nullptr;
  QRadioButton *Rkugi = nullptr, *R15 = nullptr, *R20 = nullptr, *Rkitei = nullptr;
  QLineEdit* Esujitakasa = nullptr;
  // Deterioration by part (WallDeteriorationPart): the palette holds the four
  // groups in Grekka "劣化" (the frame in Gjikugumi); the dialog has Grekka
  // "軸組劣化" for the frame, Gshinzai and the panel groups inside Glum, Grdm.
  QGroupBox *Grekka = nullptr, *Gjikugumi = nullptr, *Gshinzai = nullptr, *Glmen = nullptr, *Grmen = nullptr;
  RadioRow Frame, Core, LeftPanel, RightPanel;
  QRadioButton *Rzentai = nullptr, *Rbubun = nullptr, *Rnashi = nullptr;
  QRadioButton *Rshin0 = nullptr, *Rshin1 = nullptr, *Rshin2 = nullptr;
  QRadioButton *Rlmen0 = nullptr, *Rlmen1 = nullptr, *Rlmen2 = nullptr;
  QRadioButton *Rrmen0 = nullptr, *Rrmen1 = nullptr, *Rrmen2 = nullptr;

  // Refills the panel, brace and mud-wall lists from the element tables.
  void FillLists() const;
  // Only the brace and mud-wall lists, whose names are short: before a form
  // is fitted, so that they are as wide as their names.
  void FillShortLists() const;
  // Every control from settings (the furring lists included).
  void ShowSettings(const WallSettings& settings) const;
  // The fitting controls back to 簡易表示, no flips, no wing walls, and
  // disabled (無開口), or enabled.
  void ClearFittings() const;
  void EnableFittings(bool enabled) const;
  // What the controls show; a group or list without a choice, or a number
  // edit whose text is no number within its range, gives keep's value.
  WallSettings Read(const WallSettings& keep) const;
  // What the controls show, or false after a message naming the first number
  // edit whose text is no number within its range (the edit is selected).
  bool Take(const WallSettings& keep, WallSettings& out) const;
  std::vector<WallNumberEdit> NumberEdits() const;
  // The deterioration code of the radios; a part without a radio keeps its state in keep.
  int32_t DeteriorationCode(int32_t keep) const;
  void ShowDeterioration(int32_t code) const;
  // The edits and the lists whose change means a new strength.
  QList<QLineEdit*> HeightEdits() const;
};

WallSettingControls NewWallSettingControls(QWidget* parent, WallControlsFor form);
