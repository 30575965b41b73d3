#pragma once
// What the wall-quantity dialog (壁量計算) shows and stores: the building-law
// wall check of all three variants, one tab per variant, and the floor areas
// for the required wall lengths, computed or entered by hand.
//
// Every component name is a family name followed by the variant digit (0..2)
// and the storey digit (1..3): Eyukamena12 is zone a of 改修案１, second storey.
#include <cstdint>
#include <string>

#include "model/ProjectSettings.h"

// The result labels, grouped as the dialog's boxes.
enum class WallQuantityGroup : int32_t { Required, Existing, Ratios };

struct WallQuantityLabelFamily {
  const char* Name;
  const char* Heading;  // column heading, UTF-8
  WallQuantityGroup Group;
  double (*Value)(int32_t variant, int32_t storey);
};
constexpr int32_t WallQuantityLabelFamilyCount = 19;
extern const WallQuantityLabelFamily WallQuantityLabelFamilies[WallQuantityLabelFamilyCount];

// The area edits: floor area, zones a, b, 1 and 2.
struct WallQuantityAreaFamily {
  const char* Name;
  const char* Heading;
  double (*Manual)[StoreyCount];  // the ProjectSettings array
  double (*Computed)(int32_t variant, int32_t storey);
};
constexpr int32_t WallQuantityAreaFamilyCount = 5;
extern const WallQuantityAreaFamily WallQuantityAreaFamilies[WallQuantityAreaFamilyCount];

// The 45 area edits in the order in which they are stored: variant, storey,
// then family.
constexpr int32_t WallQuantityAreaCount = VariantCount * StoreyCount * WallQuantityAreaFamilyCount;
constexpr int32_t WallQuantityAreaIndex(int32_t variant, int32_t storey, int32_t family) {
  return (variant * StoreyCount + storey) * WallQuantityAreaFamilyCount + family;
}

// "Eyukamena12" from family "Eyukamena", variant 1, storey 1 (the second).
std::string WallQuantityComponentName(const char* family, int32_t variant, int32_t storey);

// Every value is shown as "%6.3f".
std::string WallQuantityText(double value);

// An area edit as the dialog filled it, and its text now.
struct WallQuantityAreaEdit {
  double Filled = 0.0;     // the exact value behind the filled text
  std::string FilledText;  // the text the dialog put in
  std::string Text;        // the text now (UTF-8)
};

// Fills the edit from the manual area (manual true) or the computed one.
WallQuantityAreaEdit FillWallQuantityArea(int32_t variant, int32_t storey, int32_t family, bool manual);

// True when any of the 45 manual areas holds a value (not 0).
bool AnyManualArea();

// The area an edit stands for: the exact filled value while its text is the
// one filled in, else the number typed when the area range accepts it
// (FileNumberBounds.Area; blanks around it and full-width digits allowed).
// False for anything else.
bool WallQuantityAreaValue(const WallQuantityAreaEdit& edit, double& area);

// The dialog's OK. With the box ticked every area is checked first; when one
// is not a number the result is its index and nothing is stored. Otherwise
// ProjectSettings.ManualFloorAreas becomes 1 and the 45 areas are stored.
// With the box unticked only the flag becomes 0: the areas stored by hand stay
// for the next time the box is ticked. Returns -1 when it stored.
int32_t StoreWallQuantityAreas(bool manual, const WallQuantityAreaEdit (&edits)[WallQuantityAreaCount]);
