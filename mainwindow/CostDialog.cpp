#include "mainwindow/CostDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "model/ViewState.h"
#include "platform/NumberText.h"

namespace {

// Prices and quantities are typed as plain decimals; anything else is refused
// as it is typed.
QValidator* DecimalValidator(QObject* parent) {
  return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*[0-9]*\\.?[0-9]*\\s*")),
                                         parent);
}

QLineEdit* NumberEdit(QWidget* parent, const char* name, const char* text) {
  auto* edit = Named(new QLineEdit(QString::fromUtf8(text), parent), name);
  edit->setAlignment(Qt::AlignRight);
  edit->setValidator(DecimalValidator(edit));
  return edit;
}

QLabel* NumberLabel(QWidget* parent, const char* name) {
  auto* label = NewLabel(parent, name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

double EditNumber(const QLineEdit* edit) { return LeadingNumber(edit->text().toStdString()); }

}  // namespace

TShuukeiDlg::TShuukeiDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("ShuukeiDlg"));
  setWindowTitle(QStringLiteral("改修集計"));
  QVBoxLayout* layout = NewColumnLayout(this, 8, 6, 8, 6);

  auto* grid = new QGridLayout;
  const char* const headings[] = {"改修部位", "改修内容", "数量", "単価（円／数量）", "金額(円）"};
  for (int c = 0; c < 5; ++c) grid->addWidget(new QLabel(QString::fromUtf8(headings[c]), this), 0, c);

  int line = 1;
  for (int row = 0; row < CostRowCount; ++row, ++line) {
    const RetrofitCostRowInfo& info = RetrofitCostRows[row];
    grid->addWidget(new QLabel(QString::fromUtf8(info.Part), this), line, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(info.Work), this), line, 1);
    if (row == CostRoof) {
      Eyanes = NumberEdit(this, info.QuantityName, "0.0");
      grid->addWidget(Eyanes, line, 2);
    } else {
      quantities_[row] = NumberLabel(this, info.QuantityName);
      grid->addWidget(quantities_[row], line, 2);
    }
    prices_[row] = NumberEdit(this, info.PriceName, info.DefaultPrice);
    grid->addWidget(prices_[row], line, 3);
    amounts_[row] = NumberLabel(this, info.AmountName);
    grid->addWidget(amounts_[row], line, 4);
  }

  // Other costs, entered as amounts.
  const struct {
    const char* part;
    const char* work;
    const char* name;
    QLineEdit** edit;
  } others[] = {{"その他", "設備工事・リフォーム工事等", "Esonota1", &Esonota1},
                {"", "設計費等", "Esonota2", &Esonota2}};
  for (const auto& other : others) {
    grid->addWidget(new QLabel(QString::fromUtf8(other.part), this), line, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(other.work), this), line, 1);
    *other.edit = NumberEdit(this, other.name, "0");
    grid->addWidget(*other.edit, line++, 4);
  }

  const struct {
    const char* caption;
    const char* name;
    QLabel** label;
  } totals[] = {{"計", "Lgkei", &Lgkei}, {"消費税", "Lgzei", &Lgzei}, {"概算額", "Lggoukei", &Lggoukei}};
  for (const auto& total : totals) {
    grid->addWidget(new QLabel(QString::fromUtf8(total.caption), this), line, 3, Qt::AlignRight);
    *total.label = NumberLabel(this, total.name);
    grid->addWidget(*total.label, line++, 4);
  }
  layout->addLayout(grid);

  auto* bottom = new QHBoxLayout;
  auto* hint = new QVBoxLayout;
  hint->addWidget(new QLabel(QStringLiteral("単価及びその他・設計費等を変更して"), this));
  hint->addWidget(new QLabel(QStringLiteral("再計算ボタンを押して下さい。"), this));
  bottom->addLayout(hint);
  bottom->addStretch();
  Button3 = NewButton(this, "Button3", "単価設定");
  Button3->setEnabled(false);
  Button1 = NewButton(this, "Button1", "再計算");
  Button2 = NewButton(this, "Button2", "閉じる");
  Button2->setDefault(true);
  for (QPushButton* button : {Button3, Button1, Button2}) bottom->addWidget(button);
  layout->addLayout(bottom);

  connect(Button1, &QPushButton::clicked, this, &TShuukeiDlg::Button1Click);
  connect(Button2, &QPushButton::clicked, this, [this] { done(ModalCancel); });
}

void TShuukeiDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  FormPaint();
}

void TShuukeiDlg::FormPaint() {
  ++tallies_;
  setWindowTitle(QString::fromStdString(RetrofitCostCaption(CurrentVariant)));
  RetrofitCostInput input;
  input.RoofArea = EditNumber(Eyanes);
  for (int row = 0; row < CostRowCount; ++row) input.Price[row] = EditNumber(prices_[row]);
  input.Other1 = EditNumber(Esonota1);
  input.Other2 = EditNumber(Esonota2);
  const RetrofitCostTally tally = TallyRetrofitCost(CountRetrofitChanges(CurrentVariant), input);

  // Texts that did not change are left alone, so that the labels do not
  // repaint the dialog again.
  const auto show = [](QLabel* label, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (label->text() != value) label->setText(value);
  };
  for (int row = 0; row < CostRowCount; ++row) {
    if (quantities_[row]) show(quantities_[row], RetrofitQuantityText(row, tally));
    show(amounts_[row], RetrofitAmountText(tally.Amount[row]));
  }
  show(Lgkei, RetrofitAmountText(tally.Total));
  show(Lgzei, RetrofitAmountText(tally.Tax));
  show(Lggoukei, RetrofitAmountText(tally.GrandTotal));
}

void TShuukeiDlg::Button1Click() { update(); }
