#pragma once
// The structural recalculation of the current variant, run on every full
// paint after the wall lists are built (and once for the current state after
// a file is opened while another variant is current). Its steps, for storeys
// 0..TopStorey: brace-end codes; building outline and outer walls; bearing
// flags; wall geometry, opening runs and effective lengths; method-2 column
// strengths (other-elements method 2 only); the storey analysis.
// Needs UpdateUsedExtents, LabelGridAxes and BuildGridPointMap of this paint.
void RecalcStructure();
