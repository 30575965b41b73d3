#include "analysis/GridAxisLabels.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "model/ModelExtents.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"

int32_t GridOriginAxisX = 0;
int32_t GridOriginAxisY = 0;
char16_t GridAxisNameX[GridAxisCountX][GridAxisNameCapacity];
char16_t GridAxisNameY[GridAxisCountY][GridAxisNameCapacity];

namespace {

// The names are plain ASCII; formatted without touching the heap since this runs on every paint.
template <typename... Args>
void SetName(char16_t (&name)[GridAxisNameCapacity], const char* format, Args... args) {
  char text[GridAxisNameCapacity];
  const int length = std::snprintf(text, sizeof text, format, args...);
  const int kept = length < 0 ? 0 : MinInt(length, GridAxisNameCapacity - 1);
  for (int k = 0; k < kept; ++k) name[k] = static_cast<unsigned char>(text[k]);
  name[kept] = u'\0';
}

// One direction, axes in counting order (first, first + step, ..., last).
// Returns the axis whose balloon number is 0, or -1 when none is.
int32_t NameAxes(char16_t (*names)[GridAxisNameCapacity], const int32_t* kinds, int32_t first, int32_t last,
                 int32_t step, int32_t start, char letter) {
  int32_t origin = -1;
  int32_t mainNumber = -1, auxiliaryNumber = 0;
  for (int32_t t = first;; t += step) {
    if (kinds[t] == GridAxisMain) {
      ++mainNumber;
      auxiliaryNumber = 0;
      if (mainNumber + start == 0) origin = t;
      SetName(names[t], "%c%2i", letter, mainNumber + start);
    } else {
      ++auxiliaryNumber;
      if (mainNumber < 0)
        SetName(names[t], "%c%c-%1i", letter, letter, auxiliaryNumber);
      else
        SetName(names[t], "%c%2i-%1i", letter, mainNumber + start, auxiliaryNumber);
    }
    if (t == last) break;
  }
  return origin;
}

}  // namespace

void LabelGridAxes() {
  for (auto& name : GridAxisNameX) std::fill(std::begin(name), std::end(name), u'\0');
  for (auto& name : GridAxisNameY) std::fill(std::begin(name), std::end(name), u'\0');
  if (ModelExtentMinX >= ModelExtentMaxX || ModelExtentMinY >= ModelExtentMaxY) return;

  // An extent reaching off the grid (indices from a damaged file) is named where it has axes.
  const int32_t minX = MaxInt(ModelExtentMinX, 0), maxX = MinInt(ModelExtentMaxX, GridAxisCountX - 1);
  const int32_t minY = MaxInt(ModelExtentMinY, 0), maxY = MinInt(ModelExtentMaxY, GridAxisCountY - 1);
  const int32_t numbering = ProjectSettings.AxisNumbering;
  const int32_t startX = numbering == 1 || numbering == 3 ? 1 : 0;
  const int32_t startY = numbering == 2 || numbering == 3 ? 1 : 0;

  if (minX <= maxX) {
    const int32_t origin = NameAxes(GridAxisNameX, GridAxisKindX, minX, maxX, 1, startX, 'X');
    if (origin >= 0) GridOriginAxisX = origin;
  }
  // Y axes are stored top to bottom and counted from the bottom.
  if (minY <= maxY) {
    const int32_t origin = NameAxes(GridAxisNameY, GridAxisKindY, maxY, minY, -1, startY, 'Y');
    if (origin >= 0) GridOriginAxisY = origin;
  }
}
