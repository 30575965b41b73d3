#pragma once
// What the deterioration check dialog (劣化度の確認) shows of the point
// tables: the ticks of the existence and deterioration columns, the point
// totals and the factor D. Read-only; nothing here changes the survey.
#include <cstdint>
#include <string>

#include "evaluation/DeteriorationFactor.h"

// The row text of checklist item 0..12; empty for any other index.
const char* DeteriorationItemName(int item);

// The points of checklist item 0..12 as the check boxes show them ("2");
// empty for any other index.
std::string DeteriorationItemPointsText(int item);

struct DeteriorationCheckView {
  bool Exists[DeteriorationItemCount] = {};              // rs ticked
  bool DeteriorationShown[DeteriorationItemCount] = {};  // rr visible
  bool Deteriorated[DeteriorationItemCount] = {};        // rr ticked
  int32_t ExistenceTotal = 0;
  int32_t DeteriorationTotal = 0;
  // The dialog's own D: 1 - deteriorated / existing, never below 0.7, and
  // 0.7 as well when there are no existence points.
  double Factor = 0.0;
  std::string ExistenceTotalText;      // "%3i"
  std::string DeteriorationTotalText;  // "%3i"
  std::string FactorText;              // "%5.2f", "-.--" without existence points
};

DeteriorationCheckView DeteriorationCheckOf(const int32_t (&existence)[DeteriorationItemCount],
                                            const int32_t (&deterioration)[DeteriorationItemCount]);
