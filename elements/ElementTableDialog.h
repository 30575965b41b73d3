#pragma once
// The element-table editor (壁耐力要素の編集): the panel, brace and mud-wall
// tables and the user rows of the two floor tables, edited on a working copy
// that OK writes back, and loaded from or saved to an element data file.
// Predefined rows open only while their table's box is checked; the first
// two rows of each table never do.
#include <QDialog>

#include "files/ElementDataFile.h"
#include "mainwindow/FormKit.h"

class QCheckBox;
class QLineEdit;
class QScrollArea;
class QTabWidget;

// The working copy: EditedPanelTable, EditedBraceTable and EditedMudWallTable
// with the floor user rows, filled from the live tables at each opening.
extern ElementTableSet EditedElementTables;

class TDkabetsuikaDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TDkabetsuikaDlg(QWidget* parent);

  // Columns of an element row: 名称 記号 耐力 剛性 壁倍率 診断 表示.
  enum Column {
    ColName,
    ColSymbol,
    ColStrength,
    ColStiffness,
    ColWallFactor,
    ColDiagnosis,
    ColDisplay,
    ColumnCount
  };

  QScrollArea* ScrollBox1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QCheckBox* Cmc = nullptr;
  QCheckBox* Csc = nullptr;
  QCheckBox* Ctc = nullptr;
  QPushButton* Bload = nullptr;
  QPushButton* Bsave = nullptr;
  // Emn1.. by row and column; Esd and Etd exist hidden.
  QLineEdit* PanelEdits[PanelTableRows][ColumnCount] = {};
  QLineEdit* BraceEdits[BraceTableRows][ColumnCount] = {};
  QLineEdit* MudWallEdits[MudWallTableRows][ColumnCount] = {};
  // Eyn17../Eyb17.. and Ehn10../Ehb10..: name and factor.
  QLineEdit* FloorSpecEdits[FloorUserRowCount][2] = {};
  QLineEdit* HorizontalBraceEdits[FloorUserRowCount][2] = {};

  void FillElementTableEdits();
  // False after a message when a number is refused (nothing applied).
  bool ReadElementTableEdits();

 public slots:
  void FormShow();
  void CmcClick();
  void CscClick();
  void CtcClick();
  bool OKBtnClick();
  void BloadClick();
  void BsaveClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool ReadFloorEdits();
};
