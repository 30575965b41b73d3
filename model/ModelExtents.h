#pragma once
// The range of grid indices that the structural elements occupy: per variant
// and storey (columns, walls, roof/floor areas and foundations) and over the
// whole model. An empty range has minimum 199 and maximum 0.
#include <cstdint>

#include "model/ElementLists.h"

extern int32_t UsedExtentMinX[VariantCount][StoreyCount];
extern int32_t UsedExtentMaxX[VariantCount][StoreyCount];
extern int32_t UsedExtentMinY[VariantCount][StoreyCount];
extern int32_t UsedExtentMaxY[VariantCount][StoreyCount];

extern int32_t ModelExtentMinX, ModelExtentMaxX, ModelExtentMinY, ModelExtentMaxY;
extern int32_t WallExtentMinX, WallExtentMaxX, WallExtentMinY, WallExtentMaxY;

void UpdateUsedExtents();
