#pragma once
// The third step of the recalculation chain: floor areas and quarter zones,
// area weights and centres of gravity and the plan-shape factors of all three
// variants, then the required strength of the current variant by the chosen
// method (2 and 3 by floor area, 1 by storey weights; the building-law method
// 0 is computed later in the chain).

void CalcWeightsAndRequiredStrength();
