#include "presentation/WindowState.h"

std::string CommandLineFile;
int32_t CommandLineLoadPending = 0;
int32_t StartupDialogsPending = 1;
int32_t StartupDialogsShown = 0;
int32_t OutlineConfirmationPending = 0;
int32_t SavedVertScrollPosition = 0;
int32_t SavedHorzScrollPosition = 0;
int32_t PaletteDocked[PaletteCount] = {};
