#include "report/qt/ReportDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "mainwindow/FormKit.h"
#include "mainwindow/Forms.h"
#include "mainwindow/MainMenuCommands.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/qt/ModalDialogs.h"
#include "report/ReportPreview.h"
#include "report/ReportPrinting.h"
#include "report/qt/ReportPrintService.h"

namespace {

struct PreviewTabNames {
  const char* Caption;
  const char* Sheet;
  const char* Scroll;
  const char* Image;
};

// By page kind.
constexpr PreviewTabNames PreviewTabs[ReportPageKindCount] = {
    {"表紙", "TabSheet10", "Shoukoku", "Ihoukoku"},
    {"平面図", "TabSheet11", "Splan", "Iplan"},
    {"基礎", "TabSheet12", "Skiso", "Ikiso"},
    {"必要耐力", "TabSheet1", "Shitsuyou", "Ihitsuyou"},
    {"壁耐力剛性", "TabSheet2", "Skabe", "Ikabe"},
    {"重心", "TabSheet3", "Sjushin", "Ijushin"},
    {"剛心･偏心率", "TabSheet4", "Sgoushin", "Igoushin"},
    {"柱引抜力", "TabSheet6", "Shikinuki", "Ihikinuki"},
    {"柱引抜軸組図", "TabSheet14", "Sjikugumi", "Ijikugumi"},
    {"床耐力", "TabSheet7", "Syukatai", "Iyukatai"},
    {"床耐力検定", "TabSheet8", "Syukaken", "Iyukaken"},
    {"上部構造評点", "TabSheet9", "Shyouten", "Ihyouten"},
    {"壁量計算", "TabSheet13", "Skaberyou", "Ikaberyou"},
    {"検証法表紙", "TabSheet5", "Skensho", "Ikensho"},
};

// The scroll step of one wheel notch, in pixels.
constexpr int WheelStep = 30;

QString Qs(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ReportFamilyCaption(int32_t kind) {
  return kind >= 0 && kind < ReportPageKindCount ? QString::fromUtf8(PreviewTabs[kind].Caption) : QString();
}

// ---------------------------------------------------------------------------
// TPageImage

TPageImage::TPageImage(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void TPageImage::SetPage(CanvasCallList& page) {
  page_.SwapCalls(page);
  update();
}

void TPageImage::DrawPage(QPainter& painter) {
  canvas_.Begin(&painter, QPoint(0, 0));
  page_.PlayOn(canvas_);
  canvas_.End();
}

void TPageImage::paintEvent(QPaintEvent*) {
  if (!HasPage()) return;
  QPainter painter(this);
  painter.scale(width() / PreviewPageWidth, height() / PreviewPageHeight);
  DrawPage(painter);
}

// ---------------------------------------------------------------------------
// TOhoukokushoDlg

TOhoukokushoDlg::TOhoukokushoDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OhoukokushoDlg"));
  setProperty("formClass", QStringLiteral("TOhoukokushoDlg"));
  setWindowTitle(QStringLiteral("報告書"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint);
  resize(984, 762);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  PageControl1 = Named(new QTabWidget(this), "PageControl1");
  for (int k = 0; k < ReportPageKindCount; ++k) {
    auto* scroll = Named(new QScrollArea, PreviewTabs[k].Scroll);
    scroll->setProperty("tabSheet", QString::fromLatin1(PreviewTabs[k].Sheet));
    scroll->setWidgetResizable(false);
    // A page narrower than the view stands in its middle.
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Images[k] = Named(new TPageImage(scroll), PreviewTabs[k].Image);
    scroll->setWidget(Images[k]);
    scroll->viewport()->installEventFilter(this);
    connect(scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, k](int value) {
      if (PageControl1->currentIndex() == k) scrollTop_[k] = value;
    });
    Scrolls[k] = scroll;
    PageControl1->addTab(scroll, QString::fromUtf8(PreviewTabs[k].Caption));
  }
  layout->addWidget(PageControl1, 1);

  auto* panel = Named(new QWidget(this), "Panel1");
  panel->setFixedWidth(90);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 4, 4, 4);
  Label1 = NewLabel(panel, "Label1", "表示倍率");
  Cbairitsu = Named(new QComboBox(panel), "Cbairitsu");
  Cbairitsu->setEditable(true);
  for (const char* item : {"25%", "50%", "100%", "200%", "400%"})
    Cbairitsu->addItem(QString::fromLatin1(item));
  Bpagewidth = NewButton(panel, "Bpagewidth", "ページ幅");
  Bpageall = NewButton(panel, "Bpageall", "ページ全体");
  Bprinter = NewButton(panel, "Bprinter", "プリンタの設定");
  Bprint = NewButton(panel, "Bprint", "印刷");
  OKBtn = NewButton(panel, "OKBtn", "閉じる");
  OKBtn->setDefault(true);
  Lpage = NewLabel(panel, "Lpage", "");
  Lpage->setAlignment(Qt::AlignCenter);
  Bprevi = NewButton(panel, "Bprevi", "↑");
  Bnext = NewButton(panel, "Bnext", "↓");
  for (QPushButton* button : {Bprevi, Bnext}) {
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    button->setEnabled(false);
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{Label1, Cbairitsu, Bpagewidth, Bpageall, Bprinter, Bprint, OKBtn})
    column->addWidget(w);
  column->addSpacing(12);
  for (QWidget* w : std::initializer_list<QWidget*>{Lpage, Bprevi, Bnext}) column->addWidget(w);
  column->addStretch(1);
  layout->addWidget(panel);

  connect(Cbairitsu, &QComboBox::editTextChanged, this, &TOhoukokushoDlg::CbairitsuChange);
  connect(Bpagewidth, &QPushButton::clicked, this, &TOhoukokushoDlg::BpagewidthClick);
  connect(Bpageall, &QPushButton::clicked, this, &TOhoukokushoDlg::BpageallClick);
  connect(Bprinter, &QPushButton::clicked, this, &TOhoukokushoDlg::BprinterClick);
  connect(Bprint, &QPushButton::clicked, this, &TOhoukokushoDlg::BprintClick);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(Bprevi, &QPushButton::clicked, this, &TOhoukokushoDlg::BpreviClick);
  connect(Bnext, &QPushButton::clicked, this, &TOhoukokushoDlg::BnextClick);
  connect(PageControl1, &QTabWidget::currentChanged, this, &TOhoukokushoDlg::PageControl1Change);

  // Creation: the page fills the width of the page control at design size.
  SetPreviewPageSize();
  layout->activate();
  PreviewZoom = PageWidthZoom(890);
  ApplyZoom(true);
  widthForTabs_ = width() - PageControl1->width() + PageControl1->tabBar()->sizeHint().width();

  SetReportPreviewOpener([this](int kind, int wantedPage) { OpenOn(kind, wantedPage); });
}

TOhoukokushoDlg::~TOhoukokushoDlg() { SetReportPreviewOpener(nullptr); }

void TOhoukokushoDlg::OpenOn(int kind, int wantedPage) {
  if (kind < 0 || kind >= ReportPageKindCount) return;
  if (const QScreen* screen = this->screen(); screen && !fitted_) FitToScreen(screen->availableGeometry());
  PreviewWantedPage = wantedPage;
  {
    // The page is drawn once the dialog shows.
    const QSignalBlocker blocker(PageControl1);
    PageControl1->setCurrentIndex(kind);
  }
  RunModal(*this);
}

void TOhoukokushoDlg::FitToScreen(const QRect& available) {
  fitted_ = true;
  resize(std::min(std::max(width(), widthForTabs_), available.width()),
         std::min(height(), available.height()));
}

void TOhoukokushoDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
  DrawShownPage();
}

void TOhoukokushoDlg::FormShow() {
  PageControl1->setTabVisible(PageWallQuantity, ProjectSettings.WallQuantityFeature == SettingOn);
  PageControl1->setTabVisible(PageVerification, ProjectSettings.VerificationFeature == SettingOn);
}

void TOhoukokushoDlg::DrawShownPage() {
  const int kind = PageControl1->currentIndex();
  if (kind < 0 || kind >= ReportPageKindCount) return;
  const PreviewPaging paging = DrawPreviewPageInto(Images[kind], kind);
  Bnext->setEnabled(paging.NextEnabled);
  Bprevi->setEnabled(paging.PreviousEnabled);
  Lpage->setText(Qs(paging.Label));
}

void TOhoukokushoDlg::ResizePreviewImages(double width, double height) {
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  for (int k = 0; k < ReportPageKindCount; ++k) {
    scrollTop_[k] = 0;
    Scrolls[k]->horizontalScrollBar()->setValue(0);
    Scrolls[k]->verticalScrollBar()->setValue(0);
    Images[k]->setFixedSize(w, h);
  }
}

void TOhoukokushoDlg::ApplyZoom(bool showInCombo) {
  if (showInCombo) {
    // Writing the text from here is no change of the combo: the fitted zoom stays.
    const QSignalBlocker blocker(Cbairitsu);
    Cbairitsu->setEditText(Qs(PercentTextOfZoom(PreviewZoom)));
  }
  ResizePreviewImages(PreviewPageWidth * PreviewZoom, PreviewPageHeight * PreviewZoom);
}

void TOhoukokushoDlg::CbairitsuChange() {
  const QString text = Cbairitsu->currentText();
  double zoom = PreviewZoom;
  if (!ZoomOfPercentText(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()),
                         zoom))
    return;
  PreviewZoom = zoom;
  ApplyZoom(false);
}

void TOhoukokushoDlg::BpagewidthClick() {
  PreviewZoom = PageWidthZoom(PageControl1->width());
  ApplyZoom(true);
}

void TOhoukokushoDlg::BpageallClick() {
  // The view of the shown tab without scroll bars: the page needs none.
  const QSize view = Scrolls[std::max(0, PageControl1->currentIndex())]->maximumViewportSize();
  PreviewZoom = WholePageZoom(view.width(), view.height());
  ApplyZoom(true);
}

void TOhoukokushoDlg::BnextClick() {
  PreviewTab = PageControl1->currentIndex();
  ++PreviewPage[PreviewTab];
  DrawShownPage();
}

void TOhoukokushoDlg::BpreviClick() {
  PreviewTab = PageControl1->currentIndex();
  --PreviewPage[PreviewTab];
  DrawShownPage();
}

void TOhoukokushoDlg::PageControl1Change() {
  const int kind = PageControl1->currentIndex();
  if (kind >= 0 && kind < ReportPageKindCount) Scrolls[kind]->verticalScrollBar()->setValue(scrollTop_[kind]);
  if (isVisible()) DrawShownPage();
}

void TOhoukokushoDlg::ScrollAllBy(int dy) {
  // Every tab's image has the size and the place of the shown one, and so its range.
  const int kind = std::max(0, PageControl1->currentIndex());
  const int maximum = std::max(0, Scrolls[kind]->verticalScrollBar()->maximum());
  for (int k = 0; k < ReportPageKindCount; ++k) {
    scrollTop_[k] = std::clamp(scrollTop_[k] + dy, 0, maximum);
    Scrolls[k]->verticalScrollBar()->setValue(scrollTop_[k]);
  }
  DrawShownPage();
}

void TOhoukokushoDlg::FormMouseWheelDown() { ScrollAllBy(WheelStep); }

void TOhoukokushoDlg::FormMouseWheelUp() { ScrollAllBy(-WheelStep); }

bool TOhoukokushoDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta < 0) FormMouseWheelDown();
    if (delta > 0) FormMouseWheelUp();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TOhoukokushoDlg::BprinterClick() { PrinterSetupDone = RunPrinterSetupDialog(); }

void TOhoukokushoDlg::BprintClick() {
  if (DprintDlg) RunModal(*DprintDlg);
}

// ---------------------------------------------------------------------------
// TDprintDlg

namespace {

struct PrintCheck {
  const char* Name;
  const char* Caption;
  int X, Y;
};

// By print position.
constexpr PrintCheck PrintChecks[PrintPositionCount] = {
    {"Choukoku", "表紙", 16, 62},         {"Cplan", "平面図", 16, 85},
    {"Ckiso", "基礎", 16, 108},           {"Chitsuyou", "必要耐力", 16, 131},
    {"Ckabe", "壁耐力剛性", 16, 154},     {"Cjushin", "重心", 16, 177},
    {"Cgoushin", "剛心･偏心率", 135, 62}, {"Cjikugumi", "柱引抜軸組図", 135, 108},
    {"Chikinuki", "柱引抜力", 135, 85},   {"Cyukatai", "床耐力", 135, 131},
    {"Cyukaken", "床耐力検定", 135, 154}, {"Chyouten", "上部構造評点", 135, 177},
};

}  // namespace

TDprintDlg::TDprintDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DprintDlg"));
  setProperty("formClass", QStringLiteral("TDprintDlg"));
  setWindowTitle(QStringLiteral("印刷"));
  setFixedSize(428, 215);

  GroupBox2 = NewGroupBox(this, "GroupBox2", "計算書");
  GroupBox2->setGeometry(8, 6, 329, 201);
  GroupBox3 = NewGroupBox(GroupBox2, "GroupBox3", "印刷対象 （ここでは変更出来ません）");
  GroupBox3->setGeometry(8, 14, 226, 42);
  R1 = Named(new QRadioButton(QStringLiteral("現況"), GroupBox3), "R1");
  R2 = Named(new QRadioButton(QStringLiteral("改修案１"), GroupBox3), "R2");
  R3 = Named(new QRadioButton(QStringLiteral("改修案２"), GroupBox3), "R3");
  int x = 8;
  for (QRadioButton* radio : {R1, R2, R3}) {
    radio->setGeometry(x, 18, 70, 20);
    radio->setEnabled(false);
    x += 72;
  }
  for (int p = 0; p < PrintPositionCount; ++p) {
    Checks[p] = NewCheckBox(GroupBox2, PrintChecks[p].Name, PrintChecks[p].Caption);
    Checks[p]->setGeometry(PrintChecks[p].X, PrintChecks[p].Y, 112, 20);
  }
  CancelBtn = NewButton(GroupBox2, "CancelBtn", "キャンセル");
  Button1 = NewButton(GroupBox2, "Button1", "全て選択");
  Button2 = NewButton(GroupBox2, "Button2", "全て解除");
  OKBtn = NewButton(GroupBox2, "OKBtn", "印刷");
  CancelBtn->setGeometry(244, 18, 77, 26);
  Button1->setGeometry(244, 60, 77, 26);
  Button2->setGeometry(244, 90, 77, 26);
  OKBtn->setGeometry(244, 128, 77, 64);
  QFont bold = OKBtn->font();
  bold.setBold(true);
  OKBtn->setFont(bold);
  OKBtn->setDefault(true);

  GroupBox1 = NewGroupBox(this, "GroupBox1", "壁量計算");
  GroupBox1->setGeometry(343, 6, 78, 58);
  Bkaberyou = NewButton(GroupBox1, "Bkaberyou", "印刷");
  Bkaberyou->setGeometry(8, 22, 62, 28);
  GroupBox4 = NewGroupBox(this, "GroupBox4", "検証法表紙");
  GroupBox4->setGeometry(343, 70, 78, 58);
  Bkenshou = NewButton(GroupBox4, "Bkenshou", "印刷");
  Bkenshou->setGeometry(8, 22, 62, 28);
  Bprinter = NewButton(this, "Bprinter", "プリンタの設定");
  Bprinter->setGeometry(343, 150, 78, 50);

  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(Button1, &QPushButton::clicked, this, &TDprintDlg::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TDprintDlg::Button2Click);
  connect(Bprinter, &QPushButton::clicked, this, &TDprintDlg::BprinterClick);
  connect(OKBtn, &QPushButton::clicked, this, &TDprintDlg::OKBtnClick);
  connect(Bkaberyou, &QPushButton::clicked, this, &TDprintDlg::BkaberyouClick);
  connect(Bkenshou, &QPushButton::clicked, this, &TDprintDlg::BkenshouClick);
}

void TDprintDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDprintDlg::FormShow() {
  for (int p = 0; p < PrintPositionCount; ++p) Checks[p]->setChecked(PrintSelection[p] == 1);
  (CurrentVariant == 0 ? R1 : CurrentVariant == 1 ? R2 : R3)->setChecked(true);
  GroupBox1->setVisible(ProjectSettings.WallQuantityFeature == SettingOn);
  GroupBox4->setVisible(ProjectSettings.VerificationFeature == SettingOn);
}

void TDprintDlg::Button1Click() {
  for (QCheckBox* box : Checks) box->setChecked(true);
}

void TDprintDlg::Button2Click() {
  for (QCheckBox* box : Checks) box->setChecked(false);
}

void TDprintDlg::BprinterClick() { PrinterSetupDone = RunPrinterSetupDialog(); }

void TDprintDlg::OKBtnClick() {
  for (int p = 0; p < PrintPositionCount; ++p) PrintSelection[p] = Checks[p]->isChecked() ? 1 : 0;
  const std::vector<int32_t> kinds = SelectedPrintKinds();
  if (!kinds.empty()) {
    if (PrinterSetupDone == 0) PrinterSetupDone = RunPrinterSetupDialog();
    if (PrinterSetupDone != 0) RunPrintCommand(kinds, this);
  }
  done(ModalOk);
}

void TDprintDlg::BkaberyouClick() {
  RunPrintCommand({PageWallQuantity}, this);
  done(ModalOk);
}

void TDprintDlg::BkenshouClick() {
  RunPrintCommand({PageVerification}, this);
  done(ModalOk);
}
