#pragma once
// The main window's working state beyond the editing state: the start-up
// flags, the file named on the command line, the scroll positions kept from
// the last zoom or centring, and which tool palettes have placed themselves.
#include <cstdint>
#include <string>

// The first command-line argument (UTF-8), opened by the first paint.
extern std::string CommandLineFile;
extern int32_t CommandLineLoadPending;

// 1 until the first full paint has shown the about box and the outline dialog.
extern int32_t StartupDialogsPending;
// 1 once the first full paint has started showing them (nested paints skip them).
extern int32_t StartupDialogsShown;
// 1 while the outline dialog may only be left with its OK button.
extern int32_t OutlineConfirmationPending;

extern int32_t SavedVertScrollPosition;
extern int32_t SavedHorzScrollPosition;

// 1 once the palette has placed itself beside the plan; never reset.
enum PaletteDockEntry : int32_t {
  PaletteDockColumns = 0,     // TDhashiraDlg
  PaletteDockGrid = 1,        // TDtoorishinnDlg
  PaletteDockWalls = 2,       // TDkabeDlg
  PaletteDockText = 3,        // TDmojiDlg
  PaletteDockFoundation = 4,  // TDkisoDlg
  PaletteDockFreeLine = 5,    // TDsenDlg
  PaletteDockRoofFloor = 6,   // TDyukaDlg
  PaletteDockFloorSpec = 7,   // TDyukashiyouDlg
  PaletteDockGable = 8,       // TDyagiriDlg
};
constexpr int PaletteCount = 9;
extern int32_t PaletteDocked[PaletteCount];
