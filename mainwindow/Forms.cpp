#include "mainwindow/Forms.h"

#include <type_traits>

#include "elements/ColumnChangeDialog.h"
#include "elements/ColumnPalette.h"
#include "elements/ElementTableDialog.h"
#include "elements/FloorSpecPalette.h"
#include "elements/FoundationPalette.h"
#include "elements/GableWallPalette.h"
#include "elements/JointHardwareDialog.h"
#include "elements/LoadPickers.h"
#include "elements/RoofFloorChangeDialog.h"
#include "elements/RoofFloorPalette.h"
#include "elements/WallChangeDialog.h"
#include "elements/WallPalette.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/AxisDialog.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/CostDialog.h"
#include "mainwindow/DeteriorationDialog.h"
#include "mainwindow/FreeLineDialogs.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/QuilmoraForm.h"
#include "mainwindow/TextLabelDialogs.h"
#include "mainwindow/ToolPalette.h"
#include "mainwindow/WallQuantityDialog.h"
#include "outline/OutlineDialog.h"
#include "presentation/WindowState.h"
#include "report/qt/ReportDialogs.h"

TOhoukokushoDlg* OhoukokushoDlg = nullptr;
TDmojiChangeDlg* DmojiChangeDlg = nullptr;
TDmojiDlg* DmojiDlg = nullptr;
TDmoduleDlg* DmoduleDlg = nullptr;
TDkisoDlg* DkisoDlg = nullptr;
TDsenDlg* DsenDlg = nullptr;
TDsekisaiDlg* DsekisaiDlg = nullptr;
TDrekkadoDlg* DrekkadoDlg = nullptr;
TDprintDlg* DprintDlg = nullptr;
TDhashiraDlg* DhashiraDlg = nullptr;
TDcopyDlg* DcopyDlg = nullptr;
TaxisDlg* axisDlg = nullptr;
TAboutBox* AboutBox = nullptr;
TDkabetsuikaDlg* DkabetsuikaDlg = nullptr;
TDkabeChangeDlg* DkabeChangeDlg = nullptr;
TDkabeDlg* DkabeDlg = nullptr;
ThashiraChangeDlg* hashiraChangeDlg = nullptr;
TgaiyouDlg* gaiyouDlg = nullptr;
TkaberyouDlg* kaberyouDlg = nullptr;
TDyagiriDlg* DyagiriDlg = nullptr;
TDtsuikaDlg* DtsuikaDlg = nullptr;
TDtoorishinnDlg* DtoorishinnDlg = nullptr;
TDsenoffDlg* DsenoffDlg = nullptr;
TDyukashiyouDlg* DyukashiyouDlg = nullptr;
TDyukachangeDlg* DyukachangeDlg = nullptr;
TDyukaDlg* DyukaDlg = nullptr;
TShuukeiDlg* ShuukeiDlg = nullptr;
TsetsuDlg* setsuDlg = nullptr;

namespace {

struct FormEntry;

// What creating, reaching and forgetting one form needs, whatever its class.
struct FormOps {
  QWidget* (*Create)(const FormEntry& entry, QWidget* main);
  QWidget* (*Get)();
  void (*Clear)();
};

struct FormEntry {
  const char* formClass;
  const char* instance;
  const char* caption;
  int dockEntry;  // palettes only
  FormOps ops;
};

// The operations of the form held in *Variable. Plain palettes carry their
// names and caption; every other form knows its own.
template <class T, T** Variable>
QWidget* CreateForm(const FormEntry& entry, QWidget* main) {
  const QString caption = QString::fromUtf8(entry.caption);
  if constexpr (std::is_same_v<T, TToolPalette>)
    *Variable = new T(entry.formClass, entry.instance, caption, entry.dockEntry, main);
  else
    *Variable = new T(main);
  return *Variable;
}

template <class T, T** Variable>
constexpr FormOps Form{CreateForm<T, Variable>, [] { return static_cast<QWidget*>(*Variable); },
                       [] { *Variable = nullptr; }};

// After the main window, in the order of creation.
const FormEntry kForms[] = {
    {"TOhoukokushoDlg", "OhoukokushoDlg", "報告書", -1, Form<TOhoukokushoDlg, &OhoukokushoDlg>},
    {"TDmojiChangeDlg", "DmojiChangeDlg", "文字の変更", -1, Form<TDmojiChangeDlg, &DmojiChangeDlg>},
    {"TDmojiDlg", "DmojiDlg", "文字の入力", PaletteDockText, Form<TDmojiDlg, &DmojiDlg>},
    {"TDmoduleDlg", "DmoduleDlg", "モジュールの変更", -1, Form<TDmoduleDlg, &DmoduleDlg>},
    {"TDkisoDlg", "DkisoDlg", "基礎の設定", PaletteDockFoundation, Form<TDkisoDlg, &DkisoDlg>},
    {"TDsenDlg", "DsenDlg", "自由線の設定", PaletteDockFreeLine, Form<TDsenDlg, &DsenDlg>},
    {"TDsekisaiDlg", "DsekisaiDlg", "積載荷重の設定", -1, Form<TDsekisaiDlg, &DsekisaiDlg>},
    {"TDrekkadoDlg", "DrekkadoDlg", "劣化度の確認", -1, Form<TDrekkadoDlg, &DrekkadoDlg>},
    {"TDprintDlg", "DprintDlg", "印刷", -1, Form<TDprintDlg, &DprintDlg>},
    {"TDhashiraDlg", "DhashiraDlg", "柱の設定", PaletteDockColumns, Form<TDhashiraDlg, &DhashiraDlg>},
    {"TDcopyDlg", "DcopyDlg", "データの一括編集（先に診断対象を指示します）", -1, Form<TDcopyDlg, &DcopyDlg>},
    {"TaxisDlg", "axisDlg", "通り芯", -1, Form<TaxisDlg, &axisDlg>},
    {"TAboutBox", "AboutBox", "Quilmora2025", -1, Form<TAboutBox, &AboutBox>},
    {"TDkabetsuikaDlg", "DkabetsuikaDlg", "壁耐力要素の編集", -1, Form<TDkabetsuikaDlg, &DkabetsuikaDlg>},
    {"TDkabeChangeDlg", "DkabeChangeDlg", "壁の変更", -1, Form<TDkabeChangeDlg, &DkabeChangeDlg>},
    {"TDkabeDlg", "DkabeDlg", "壁の設定", PaletteDockWalls, Form<TDkabeDlg, &DkabeDlg>},
    {"ThashiraChangeDlg", "hashiraChangeDlg", "柱の変更", -1, Form<ThashiraChangeDlg, &hashiraChangeDlg>},
    {"TgaiyouDlg", "gaiyouDlg", "概要", -1, Form<TgaiyouDlg, &gaiyouDlg>},
    {"TkaberyouDlg", "kaberyouDlg", "壁量計算", -1, Form<TkaberyouDlg, &kaberyouDlg>},
    {"TDyagiriDlg", "DyagiriDlg", "矢切壁の設定", PaletteDockGable, Form<TDyagiriDlg, &DyagiriDlg>},
    {"TDtsuikaDlg", "DtsuikaDlg", "追加荷重の設定", -1, Form<TDtsuikaDlg, &DtsuikaDlg>},
    {"TDtoorishinnDlg", "DtoorishinnDlg", "通り芯の設定", PaletteDockGrid,
     Form<TDtoorishinnDlg, &DtoorishinnDlg>},
    {"TDsenoffDlg", "DsenoffDlg", "自由線　位置の調整", -1, Form<TDsenoffDlg, &DsenoffDlg>},
    {"TDyukashiyouDlg", "DyukashiyouDlg", "屋根床仕様の設定", PaletteDockFloorSpec,
     Form<TDyukashiyouDlg, &DyukashiyouDlg>},
    {"TDyukachangeDlg", "DyukachangeDlg", "屋根床等の変更", -1, Form<TDyukachangeDlg, &DyukachangeDlg>},
    {"TDyukaDlg", "DyukaDlg", "屋根床等の設定", PaletteDockRoofFloor, Form<TDyukaDlg, &DyukaDlg>},
    {"TShuukeiDlg", "ShuukeiDlg", "改修集計", -1, Form<TShuukeiDlg, &ShuukeiDlg>},
    {"TsetsuDlg", "setsuDlg", "柱頭・柱脚接合部金物の編集", -1, Form<TsetsuDlg, &setsuDlg>},
};

}  // namespace

bool CreateForms(const QStringList& arguments) {
  auto* main = new TQuilmoraForm(arguments);
  if (main->Terminated()) {
    delete main;
    return false;
  }
  for (const FormEntry& entry : kForms) entry.ops.Create(entry, main);
  return true;
}

void DestroyForms() {
  for (auto it = std::rbegin(kForms); it != std::rend(kForms); ++it) {
    delete it->ops.Get();
    it->ops.Clear();
  }
  delete QuilmoraForm;
}

std::array<TToolPalette*, 10> PalettesByEditMode() {
  return {DtoorishinnDlg, DhashiraDlg, DkabeDlg, DyukaDlg, DyukashiyouDlg,
          DmojiDlg,       DkisoDlg,    DsenDlg,  nullptr,  DyagiriDlg};
}

std::vector<QWidget*> AllForms() {
  std::vector<QWidget*> forms;
  forms.push_back(QuilmoraForm);
  for (const FormEntry& entry : kForms) forms.push_back(entry.ops.Get());
  return forms;
}

QString FormClassName(const QWidget* form) {
  if (!form) return {};
  const QVariant declared = form->property("formClass");
  return declared.isValid() ? declared.toString() : QString::fromLatin1(form->metaObject()->className());
}
