#include "analysis/FloorCheckShear.h"

LineArray FloorCheckRequired[FloorCheckMemberCount];

void ClearFloorCheckRequired() {
  for (auto& member : FloorCheckRequired)
    for (auto& variant : member)
      for (auto& storey : variant)
        for (auto& interval : storey)
          for (double& value : interval) value = 0.0;
}
