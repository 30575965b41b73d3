#pragma once
// The load pickers: standard loads by room kind for the load edits of the
// roof/floor palette and change dialog. 積載荷重の設定 (TDsekisaiDlg) fills
// the live-load edit Ekaju, 追加荷重の設定 (TDtsuikaDlg) the added-load edit
// Etsuika, of the form LoadPickerTarget names. OK copies the picker's text
// unchanged; the target reads it as a number.
#include <QDialog>
#include <cstdint>

#include "mainwindow/FormKit.h"

class QLabel;
class QLineEdit;
class QListWidget;

enum LoadPickerTargetForm : int32_t {
  LoadPickerPalette = 0,       // DyukaDlg
  LoadPickerChangeDialog = 1,  // DyukachangeDlg
};
extern int32_t LoadPickerTarget;

constexpr int LoadPresetCount = 8;
// N/m² by room kind; the last row (無し・その他) is for a value typed in.
extern const double LiveLoadPresets[LoadPresetCount];
extern const double AddedLoadPresets[LoadPresetCount];

// What both pickers are made of.
class TLoadPickerDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  QListWidget *Lkind = nullptr, *Lkajuu = nullptr;

 public slots:
  void LkindClick();
  // False (the picker stays open) after refusing a value that is no number
  // within the field.
  bool OKBtnClick();

 protected:
  // editName: the edit's component name; targetName: the target edit's.
  TLoadPickerDlg(QWidget* parent, const char* formClass, const char* instance, const char* caption,
                 const char* editName, const char* okCaption, const char* const (&labels)[3],
                 const double (&presets)[LoadPresetCount], const char* targetName);

  QLineEdit* edit_ = nullptr;

 private:
  const double* presets_;
  const char* targetName_;
  const char* valueName_;  // the value's name in messages
};

class TDsekisaiDlg : public TLoadPickerDlg {
  Q_OBJECT

 public:
  explicit TDsekisaiDlg(QWidget* parent);
  QLineEdit* Ekajuu = nullptr;
};

class TDtsuikaDlg : public TLoadPickerDlg {
  Q_OBJECT

 public:
  explicit TDtsuikaDlg(QWidget* parent);
  QLineEdit* Etsuika = nullptr;
};
