#pragma once
// Everything the plan shows that derives from the model, recomputed in one
// fixed order on every full paint. Steps that want to tell the user something
// queue it (analysis/PendingMessages.h); the paint shows it afterwards.
//
// The order, each step relying on those before it: axis labels and origin
// axes, column order and grid-point map, floor areas, weights and required
// strength (all variants), wall lines, the structure (wall topology, building
// outline, storey analysis per loading case, storey sums, centre of rigidity
// and eccentricity, drift and stiffness ratios), column N-values, the
// arrangement reduction, the building-law seismic force, the evaluation, the
// retrofit marks and the used axes. Most steps work on CurrentVariant only.
// Some read what the previous run left (the building-law method's required
// strength and centres of gravity), so a changed model reaches its fixed
// point on the second run; a new step goes where its inputs are fresh.

void RunRecalculationChain();

// After a load while a retrofit plan is current: the origin axes, the
// grid-point map, the wall lines and the structural recalculation of the current state, so that its
// results belong to the loaded project. CurrentVariant is left as it was.
void RecalcCurrentStateAfterLoad();
