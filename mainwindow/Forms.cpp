#include "mainwindow/Forms.h"

#include "elements/ColumnChangeDialog.h"
#include "elements/ColumnPalette.h"
#include "elements/FoundationPalette.h"
#include "elements/GableWallPalette.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/AxisDialog.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/CostDialog.h"
#include "mainwindow/DeteriorationDialog.h"
#include "mainwindow/GridToolWindow.h"
#include "mainwindow/ModuleDialog.h"
#include "mainwindow/PlaceholderDialog.h"
#include "mainwindow/QuilmoraForm.h"
#include "mainwindow/ToolPalette.h"
#include "mainwindow/WallQuantityDialog.h"
#include "model/WindowState.h"
#include "outline/OutlineDialog.h"

TPlaceholderDlg* OhoukokushoDlg = nullptr;
TPlaceholderDlg* DmojiChangeDlg = nullptr;
TToolPalette* DmojiDlg = nullptr;
TDmoduleDlg* DmoduleDlg = nullptr;
TDkisoDlg* DkisoDlg = nullptr;
TToolPalette* DsenDlg = nullptr;
TPlaceholderDlg* DsekisaiDlg = nullptr;
TDrekkadoDlg* DrekkadoDlg = nullptr;
TPlaceholderDlg* DprintDlg = nullptr;
TDhashiraDlg* DhashiraDlg = nullptr;
TDcopyDlg* DcopyDlg = nullptr;
TaxisDlg* axisDlg = nullptr;
TAboutBox* AboutBox = nullptr;
TPlaceholderDlg* DkabetsuikaDlg = nullptr;
TPlaceholderDlg* DkabeChangeDlg = nullptr;
TToolPalette* DkabeDlg = nullptr;
ThashiraChangeDlg* hashiraChangeDlg = nullptr;
TgaiyouDlg* gaiyouDlg = nullptr;
TkaberyouDlg* kaberyouDlg = nullptr;
TDyagiriDlg* DyagiriDlg = nullptr;
TPlaceholderDlg* DtsuikaDlg = nullptr;
TDtoorishinnDlg* DtoorishinnDlg = nullptr;
TPlaceholderDlg* DsenoffDlg = nullptr;
TToolPalette* DyukashiyouDlg = nullptr;
TPlaceholderDlg* DyukachangeDlg = nullptr;
TToolPalette* DyukaDlg = nullptr;
TShuukeiDlg* ShuukeiDlg = nullptr;
TPlaceholderDlg* setsuDlg = nullptr;

namespace {

enum class Kind {
  Dialog,
  Palette,
  About,
  Outline,
  Copy,
  Deterioration,
  WallQuantity,
  Cost,
  Module,
  Axis,
  GridPalette,
  FoundationPalette,
  GablePalette,
  ColumnPalette,
  ColumnChange,
};

struct FormEntry {
  const char* formClass;
  const char* instance;
  const char* caption;
  Kind kind;
  int dockEntry;  // palettes only
  void* variable;
};

// After the main window, in the order of creation.
const FormEntry kForms[] = {
    {"TOhoukokushoDlg", "OhoukokushoDlg", "報告書", Kind::Dialog, -1, &OhoukokushoDlg},
    {"TDmojiChangeDlg", "DmojiChangeDlg", "文字の変更", Kind::Dialog, -1, &DmojiChangeDlg},
    {"TDmojiDlg", "DmojiDlg", "文字の入力", Kind::Palette, PaletteDockText, &DmojiDlg},
    {"TDmoduleDlg", "DmoduleDlg", "モジュールの変更", Kind::Module, -1, &DmoduleDlg},
    {"TDkisoDlg", "DkisoDlg", "基礎の設定", Kind::FoundationPalette, PaletteDockFoundation, &DkisoDlg},
    {"TDsenDlg", "DsenDlg", "自由線の設定", Kind::Palette, PaletteDockFreeLine, &DsenDlg},
    {"TDsekisaiDlg", "DsekisaiDlg", "積載荷重の設定", Kind::Dialog, -1, &DsekisaiDlg},
    {"TDrekkadoDlg", "DrekkadoDlg", "劣化度の確認", Kind::Deterioration, -1, &DrekkadoDlg},
    {"TDprintDlg", "DprintDlg", "印刷", Kind::Dialog, -1, &DprintDlg},
    {"TDhashiraDlg", "DhashiraDlg", "柱の設定", Kind::ColumnPalette, PaletteDockColumns, &DhashiraDlg},
    {"TDcopyDlg", "DcopyDlg", "データの一括編集（先に診断対象を指示します）", Kind::Copy, -1, &DcopyDlg},
    {"TaxisDlg", "axisDlg", "通り芯", Kind::Axis, -1, &axisDlg},
    {"TAboutBox", "AboutBox", "Quilmora2025", Kind::About, -1, &AboutBox},
    {"TDkabetsuikaDlg", "DkabetsuikaDlg", "壁耐力要素の編集", Kind::Dialog, -1, &DkabetsuikaDlg},
    {"TDkabeChangeDlg", "DkabeChangeDlg", "壁の変更", Kind::Dialog, -1, &DkabeChangeDlg},
    {"TDkabeDlg", "DkabeDlg", "壁の設定", Kind::Palette, PaletteDockWalls, &DkabeDlg},
    {"ThashiraChangeDlg", "hashiraChangeDlg", "柱の変更", Kind::ColumnChange, -1, &hashiraChangeDlg},
    {"TgaiyouDlg", "gaiyouDlg", "概要", Kind::Outline, -1, &gaiyouDlg},
    {"TkaberyouDlg", "kaberyouDlg", "壁量計算", Kind::WallQuantity, -1, &kaberyouDlg},
    {"TDyagiriDlg", "DyagiriDlg", "矢切壁の設定", Kind::GablePalette, PaletteDockGable, &DyagiriDlg},
    {"TDtsuikaDlg", "DtsuikaDlg", "追加荷重の設定", Kind::Dialog, -1, &DtsuikaDlg},
    {"TDtoorishinnDlg", "DtoorishinnDlg", "通り芯の設定", Kind::GridPalette, PaletteDockGrid,
     &DtoorishinnDlg},
    {"TDsenoffDlg", "DsenoffDlg", "自由線　位置の調整", Kind::Dialog, -1, &DsenoffDlg},
    {"TDyukashiyouDlg", "DyukashiyouDlg", "屋根床仕様の設定", Kind::Palette, PaletteDockFloorSpec,
     &DyukashiyouDlg},
    {"TDyukachangeDlg", "DyukachangeDlg", "屋根床等の変更", Kind::Dialog, -1, &DyukachangeDlg},
    {"TDyukaDlg", "DyukaDlg", "屋根床等の設定", Kind::Palette, PaletteDockRoofFloor, &DyukaDlg},
    {"TShuukeiDlg", "ShuukeiDlg", "改修集計", Kind::Cost, -1, &ShuukeiDlg},
    {"TsetsuDlg", "setsuDlg", "柱頭・柱脚接合部金物の編集", Kind::Dialog, -1, &setsuDlg},
};

QWidget* FormAt(const FormEntry& entry) {
  switch (entry.kind) {
    case Kind::Palette:
      return *static_cast<TToolPalette**>(entry.variable);
    case Kind::About:
      return *static_cast<TAboutBox**>(entry.variable);
    case Kind::Outline:
      return *static_cast<TgaiyouDlg**>(entry.variable);
    case Kind::Copy:
      return *static_cast<TDcopyDlg**>(entry.variable);
    case Kind::Deterioration:
      return *static_cast<TDrekkadoDlg**>(entry.variable);
    case Kind::WallQuantity:
      return *static_cast<TkaberyouDlg**>(entry.variable);
    case Kind::Cost:
      return *static_cast<TShuukeiDlg**>(entry.variable);
    case Kind::Module:
      return *static_cast<TDmoduleDlg**>(entry.variable);
    case Kind::Axis:
      return *static_cast<TaxisDlg**>(entry.variable);
    case Kind::GridPalette:
      return *static_cast<TDtoorishinnDlg**>(entry.variable);
    case Kind::FoundationPalette:
      return *static_cast<TDkisoDlg**>(entry.variable);
    case Kind::GablePalette:
      return *static_cast<TDyagiriDlg**>(entry.variable);
    case Kind::ColumnPalette:
      return *static_cast<TDhashiraDlg**>(entry.variable);
    case Kind::ColumnChange:
      return *static_cast<ThashiraChangeDlg**>(entry.variable);
    default:
      return *static_cast<TPlaceholderDlg**>(entry.variable);
  }
}

void ClearVariable(const FormEntry& entry) {
  switch (entry.kind) {
    case Kind::Palette:
      *static_cast<TToolPalette**>(entry.variable) = nullptr;
      break;
    case Kind::About:
      *static_cast<TAboutBox**>(entry.variable) = nullptr;
      break;
    case Kind::Outline:
      *static_cast<TgaiyouDlg**>(entry.variable) = nullptr;
      break;
    case Kind::Copy:
      *static_cast<TDcopyDlg**>(entry.variable) = nullptr;
      break;
    case Kind::Deterioration:
      *static_cast<TDrekkadoDlg**>(entry.variable) = nullptr;
      break;
    case Kind::WallQuantity:
      *static_cast<TkaberyouDlg**>(entry.variable) = nullptr;
      break;
    case Kind::Cost:
      *static_cast<TShuukeiDlg**>(entry.variable) = nullptr;
      break;
    case Kind::Module:
      *static_cast<TDmoduleDlg**>(entry.variable) = nullptr;
      break;
    case Kind::Axis:
      *static_cast<TaxisDlg**>(entry.variable) = nullptr;
      break;
    case Kind::GridPalette:
      *static_cast<TDtoorishinnDlg**>(entry.variable) = nullptr;
      break;
    case Kind::FoundationPalette:
      *static_cast<TDkisoDlg**>(entry.variable) = nullptr;
      break;
    case Kind::GablePalette:
      *static_cast<TDyagiriDlg**>(entry.variable) = nullptr;
      break;
    case Kind::ColumnPalette:
      *static_cast<TDhashiraDlg**>(entry.variable) = nullptr;
      break;
    case Kind::ColumnChange:
      *static_cast<ThashiraChangeDlg**>(entry.variable) = nullptr;
      break;
    default:
      *static_cast<TPlaceholderDlg**>(entry.variable) = nullptr;
  }
}

}  // namespace

bool CreateForms(const QStringList& arguments) {
  auto* main = new TQuilmoraForm(arguments);
  if (main->Terminated()) {
    delete main;
    return false;
  }
  for (const FormEntry& entry : kForms) {
    const QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
      case Kind::Palette:
        *static_cast<TToolPalette**>(entry.variable) =
            new TToolPalette(entry.formClass, entry.instance, caption, entry.dockEntry, main);
        break;
      case Kind::About:
        *static_cast<TAboutBox**>(entry.variable) = new TAboutBox(main);
        break;
      case Kind::Outline:
        *static_cast<TgaiyouDlg**>(entry.variable) = new TgaiyouDlg(main);
        break;
      case Kind::Copy:
        *static_cast<TDcopyDlg**>(entry.variable) = new TDcopyDlg(main);
        break;
      case Kind::Deterioration:
        *static_cast<TDrekkadoDlg**>(entry.variable) = new TDrekkadoDlg(main);
        break;
      case Kind::WallQuantity:
        *static_cast<TkaberyouDlg**>(entry.variable) = new TkaberyouDlg(main);
        break;
      case Kind::Cost:
        *static_cast<TShuukeiDlg**>(entry.variable) = new TShuukeiDlg(main);
        break;
      case Kind::Module:
        *static_cast<TDmoduleDlg**>(entry.variable) = new TDmoduleDlg(main);
        break;
      case Kind::Axis:
        *static_cast<TaxisDlg**>(entry.variable) = new TaxisDlg(main);
        break;
      case Kind::GridPalette:
        *static_cast<TDtoorishinnDlg**>(entry.variable) = new TDtoorishinnDlg(main);
        break;
      case Kind::FoundationPalette:
        *static_cast<TDkisoDlg**>(entry.variable) = new TDkisoDlg(main);
        break;
      case Kind::GablePalette:
        *static_cast<TDyagiriDlg**>(entry.variable) = new TDyagiriDlg(main);
        break;
      case Kind::ColumnPalette:
        *static_cast<TDhashiraDlg**>(entry.variable) = new TDhashiraDlg(main);
        break;
      case Kind::ColumnChange:
        *static_cast<ThashiraChangeDlg**>(entry.variable) = new ThashiraChangeDlg(main);
        break;
      default:
        *static_cast<TPlaceholderDlg**>(entry.variable) =
            new TPlaceholderDlg(entry.formClass, entry.instance, caption, main);
    }
  }
  return true;
}

void DestroyForms() {
  for (auto it = std::rbegin(kForms); it != std::rend(kForms); ++it) {
    delete FormAt(*it);
    ClearVariable(*it);
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
  for (const FormEntry& entry : kForms) forms.push_back(FormAt(entry));
  return forms;
}

QString FormClassName(const QWidget* form) {
  if (!form) return {};
  const QVariant declared = form->property("formClass");
  return declared.isValid() ? declared.toString() : QString::fromLatin1(form->metaObject()->className());
}
