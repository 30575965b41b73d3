#include "elements/RoofFloorControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/AreaInput.h"

namespace {

QLineEdit* LoadEdit(QWidget* parent, const char* name) {
  auto* edit = Named(new QLineEdit(QStringLiteral("0"), parent), name);
  edit->setAlignment(Qt::AlignRight);
  edit->setMaximumWidth(80);
  return edit;
}

}  // namespace

RoofFloorControls NewRoofFloorControls(QWidget* form, QVBoxLayout* layout) {
  RoofFloorControls c;
  c.Label1 = NewLabel(form, "Label1", "種類");
  c.Cshiyou = Named(new QComboBox(form), "Cshiyou");
  for (const char* item :
       {"0) 床(２階床or３階床)", "1) 吹抜部", "2) 跳ね出しバルコニー", "3) 屋根",
        "4) 軒庇等（荷重拾い時のみ）", "5) 小屋裏収納等", "6) 最大矩形（指示する場合）", "7) 独立荷重"})
    c.Cshiyou->addItem(QString::fromUtf8(item));
  c.Cshiyou->setCurrentIndex(0);
  auto* kind = new QHBoxLayout;
  kind->addWidget(c.Label1);
  kind->addWidget(c.Cshiyou, 1);
  layout->addLayout(kind);

  c.Cgaishu = NewCheckBox(form, "Cgaishu", "外周壁に囲まれない部分");
  layout->addWidget(c.Cgaishu);

  auto* values = new QGridLayout;
  c.Label2 = NewLabel(form, "Label2", "勾配");
  c.Ckoubai = Named(new QComboBox(form), "Ckoubai");
  c.Ckoubai->setEditable(true);
  c.Ckoubai->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item : {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "1.0"})
    c.Ckoubai->addItem(QString::fromLatin1(item));
  c.Ckoubai->setEditText(QStringLiteral("0.0"));
  values->addWidget(c.Label2, 0, 0);
  values->addWidget(c.Ckoubai, 0, 1);
  values->addWidget(new QLabel(QStringLiteral("／1.0"), form), 0, 2);
  c.Label6 = NewLabel(form, "Label6", "積載荷重");
  c.Ekaju = LoadEdit(form, "Ekaju");
  c.Label7 = NewLabel(form, "Label7", "N/㎡");
  values->addWidget(c.Label6, 1, 0);
  values->addWidget(c.Ekaju, 1, 1);
  values->addWidget(c.Label7, 1, 2);
  c.Label8 = NewLabel(form, "Label8", "追加荷重");
  c.Etsuika = LoadEdit(form, "Etsuika");
  c.Label9 = NewLabel(form, "Label9", "N/㎡");
  values->addWidget(c.Label8, 2, 0);
  values->addWidget(c.Etsuika, 2, 1);
  values->addWidget(c.Label9, 2, 2);
  c.Ekaju->setToolTip(QStringLiteral("ダブルクリックで部屋の種類から選択"));
  c.Etsuika->setToolTip(QStringLiteral("ダブルクリックで部屋の種類から選択"));
  layout->addLayout(values);

  auto* groups = new QHBoxLayout;
  c.GroupBox1 = NewGroupBox(form, "GroupBox1", "入力形状");
  auto* shape = new QGridLayout(c.GroupBox1);
  c.Shapes = RadioRow(form);
  c.Shapes.Add(c.GroupBox1, shape,
               {{"Rkukei", "矩形", 0, &c.Rkukei, 0, 0}, {"Rsankaku", "三角形", 1, &c.Rsankaku, 1, 0}});
  shape->addWidget(new QLabel(QStringLiteral("(2点対角)"), c.GroupBox1), 0, 1);
  shape->addWidget(new QLabel(QStringLiteral("(3点)"), c.GroupBox1), 1, 1);
  c.Shapes.SetCodeQuietly(0);
  groups->addWidget(c.GroupBox1);

  c.GroupBox2 = NewGroupBox(form, "GroupBox2", "重さ（固定荷重）");
  auto* weight = new QGridLayout(c.GroupBox2);
  c.Weights = RadioRow(form);
  c.Weights.Add(c.GroupBox2, weight,
                {{"Romosa1", "軽い", 0, &c.Romosa1, 0, 0},
                 {"Romosa2", "重い", 1, &c.Romosa2, 0, 1},
                 {"Romosa3", "非常に重い", 2, &c.Romosa3, 1, 0},
                 {"Romosa0", "個別", 3, &c.Romosa0, 1, 1}});
  c.Weights.SetCodeQuietly(0);
  c.Eomosa = LoadEdit(c.GroupBox2, "Eomosa");
  weight->addWidget(c.Eomosa, 2, 0);
  weight->addWidget(new QLabel(QStringLiteral("N/㎡"), c.GroupBox2), 2, 1);
  groups->addWidget(c.GroupBox2);
  layout->addLayout(groups);

  c.chuui = NewLabel(form, "chuui", "最大矩形未入力");
  c.chuui->setStyleSheet(QStringLiteral("color: red;"));
  layout->addWidget(c.chuui);
  return c;
}

void ShowMaxRectangleNote(QLabel* chuui) {
  const bool entered = MaxRectangleCount() > 0;
  chuui->setText(entered ? QStringLiteral("最大矩形入力済") : QStringLiteral("最大矩形未入力"));
  chuui->setStyleSheet(entered ? QStringLiteral("color: black;") : QStringLiteral("color: red;"));
}

int WeightClassOfRadio(int radio) {
  switch (radio) {
    case 0:
      return 3;
    case 1:
    case 2:
    case 3:
      return radio - 1;
    default:
      return 4;
  }
}

DoubleClickFilter::DoubleClickFilter(QWidget* watched, std::function<void()> onDoubleClick)
    : QObject(watched), onDoubleClick_(std::move(onDoubleClick)) {
  watched->installEventFilter(this);
}

bool DoubleClickFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && onDoubleClick_) {
    onDoubleClick_();
    return true;
  }
  return QObject::eventFilter(watched, event);
}
