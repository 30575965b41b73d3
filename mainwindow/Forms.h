#pragma once
// The program's forms. Every form is created once at start-up, in a fixed
// order with the main window first, and lives until the program ends; each
// is reached through its program-wide variable.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Palettes that stand where a plain tool palette is expected.
#include "elements/FloorSpecPalette.h"
#include "elements/FoundationPalette.h"
#include "elements/GableWallPalette.h"
#include "elements/RoofFloorPalette.h"
#include "elements/WallPalette.h"
#include "mainwindow/FreeLineDialogs.h"
#include "mainwindow/TextLabelDialogs.h"

class QWidget;
class TAboutBox;
class TaxisDlg;
class TDcopyDlg;
class TDsekisaiDlg;
class TDtsuikaDlg;
class TDyukachangeDlg;
class TDprintDlg;
class TDkabetsuikaDlg;
class TDrekkadoDlg;
class TDhashiraDlg;
class TDkabeChangeDlg;
class TDmoduleDlg;
class TDtoorishinnDlg;
class TgaiyouDlg;
class TOhoukokushoDlg;
class ThashiraChangeDlg;
class TkaberyouDlg;
class TShuukeiDlg;
class TsetsuDlg;
class TToolPalette;

extern TOhoukokushoDlg* OhoukokushoDlg;
extern TDmojiChangeDlg* DmojiChangeDlg;
extern TDmojiDlg* DmojiDlg;
extern TDmoduleDlg* DmoduleDlg;
extern TDkisoDlg* DkisoDlg;
extern TDsenDlg* DsenDlg;
extern TDsekisaiDlg* DsekisaiDlg;
extern TDrekkadoDlg* DrekkadoDlg;
extern TDprintDlg* DprintDlg;
extern TDhashiraDlg* DhashiraDlg;
extern TDcopyDlg* DcopyDlg;
extern TaxisDlg* axisDlg;
extern TAboutBox* AboutBox;
extern TDkabeChangeDlg* DkabeChangeDlg;
extern TDkabeDlg* DkabeDlg;
extern TDkabetsuikaDlg* DkabetsuikaDlg;
extern ThashiraChangeDlg* hashiraChangeDlg;
extern TgaiyouDlg* gaiyouDlg;
extern TkaberyouDlg* kaberyouDlg;
extern TDyagiriDlg* DyagiriDlg;
extern TDtsuikaDlg* DtsuikaDlg;
extern TDtoorishinnDlg* DtoorishinnDlg;
extern TDsenoffDlg* DsenoffDlg;
extern TDyukashiyouDlg* DyukashiyouDlg;
extern TDyukachangeDlg* DyukachangeDlg;
extern TDyukaDlg* DyukaDlg;
extern TShuukeiDlg* ShuukeiDlg;
extern TsetsuDlg* setsuDlg;

// Creates the main window (which asks before a second instance starts) and
// then every other form. False when the user declined to start: nothing is
// left created then.
bool CreateForms(const QStringList& arguments);
// Deletes every form, the main window last.
void DestroyForms();

// The tool palette of each edit mode 0..9 (none for the beam mode).
std::array<TToolPalette*, 10> PalettesByEditMode();

// The forms in the order of their creation.
std::vector<QWidget*> AllForms();
// The class a form stands for ("TDkabeDlg").
QString FormClassName(const QWidget* form);
