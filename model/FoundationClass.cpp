#include "model/FoundationClass.h"

#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"

int32_t FoundationClassOf(int32_t type, int32_t cracks, int32_t tieBeams) {
  if (type == FoundationReinforcedConcrete && cracks == FoundationWithoutCracks) return FoundationClassI;
  if ((type == FoundationReinforcedConcrete && cracks == FoundationWithCracks) ||
      (type == FoundationPlainConcrete && cracks == FoundationWithoutCracks) ||
      (type == FoundationStoneFooting && tieBeams == FoundationWithTieBeams))
    return FoundationClassII;
  return FoundationClassIII;
}

void DeriveFoundationClass() {
  ProjectSettings.FoundationClass = FoundationClassOf(
      ProjectSettings.FoundationType, ProjectSettings.FoundationCracks, ProjectSettings.FoundationTieBeams);
}
