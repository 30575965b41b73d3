#pragma once
// The wall-quantity dialog (壁量計算): the building-law wall check of all three
// variants, one tab each, and the floor areas for the required wall lengths,
// computed or entered by hand. Nothing is computed here; the next paint of
// the plan recomputes with the stored areas.
#include "evaluation/WallQuantitySheet.h"
#include "mainwindow/FormKit.h"

class TkaberyouDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TkaberyouDlg(QWidget* parent);

  QTabWidget* PageControl1 = nullptr;
  QCheckBox* Cyukamenshuusei = nullptr;

  // A result label or an area edit by family, variant 0..2 and storey 0..2.
  QLabel* ResultLabel(int family, int variant, int storey) const;
  QLineEdit* AreaEdit(int family, int variant, int storey) const;

 public slots:
  void FormShow();
  void CyukamenshuuseiClick();
  // False (the dialog stays open) when an area is not a number.
  bool OKBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildTab(int variant);
  // Fills the 45 edits from the manual or the computed areas; they can be
  // edited only while the areas are entered by hand.
  void FillAreas(bool manual);
  void SetAreasEditable(bool editable);

  QLabel* labels_[WallQuantityLabelFamilyCount][VariantCount][StoreyCount] = {};
  QLineEdit* areas_[WallQuantityAreaCount] = {};
  WallQuantityAreaEdit filled_[WallQuantityAreaCount];
};
