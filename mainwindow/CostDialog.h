#pragma once
// The cost dialog (改修集計): the approximate cost of the retrofit plan shown,
// tallied afresh on every paint from the latest change marks and the unit
// prices in its edits. The prices live only in the edits, for the whole run.
#include "evaluation/RetrofitCost.h"
#include "mainwindow/FormKit.h"

class TShuukeiDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TShuukeiDlg(QWidget* parent);

  // By row of the tally: the quantity label (none for the roof), the price
  // edit and the amount label.
  QLabel* QuantityLabel(int row) const { return quantities_[row]; }
  QLineEdit* PriceEdit(int row) const { return prices_[row]; }
  QLabel* AmountLabel(int row) const { return amounts_[row]; }

  QLineEdit* Eyanes = nullptr;    // roof area, m²
  QLineEdit* Esonota1 = nullptr;  // その他 設備工事・リフォーム工事等
  QLineEdit* Esonota2 = nullptr;  // その他 設計費等
  QLabel* Lgkei = nullptr;
  QLabel* Lgzei = nullptr;
  QLabel* Lggoukei = nullptr;
  QPushButton* Button1 = nullptr;  // 再計算
  QPushButton* Button2 = nullptr;  // 閉じる
  QPushButton* Button3 = nullptr;  // 単価設定, always disabled

  // Tallies from the current results and edits and shows it.
  void FormPaint();
  int TallyCount() const { return tallies_; }

 public slots:
  void Button1Click();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* quantities_[CostRowCount] = {};
  QLineEdit* prices_[CostRowCount] = {};
  QLabel* amounts_[CostRowCount] = {};
  int tallies_ = 0;
};
