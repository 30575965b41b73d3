#pragma once
// The foundation class the structural calculation reads. It is not stored in
// the project file: it follows from the foundation answers of the outline
// dialog, after every load and at the dialog's OK.
#include <cstdint>

// 基礎Ⅰ for reinforced concrete without cracks; 基礎Ⅱ for reinforced concrete
// with cracks, unreinforced concrete without cracks, or a stone footing with
// tie beams; 基礎Ⅲ otherwise. The same rule for every revision.
int32_t FoundationClassOf(int32_t type, int32_t cracks, int32_t tieBeams);

// ProjectSettings.FoundationClass from the stored foundation type, cracks and
// tie beams.
void DeriveFoundationClass();
