#pragma once
// Everything the plan shows that derives from the model, recomputed in one
// fixed order on every full paint. Steps that want to tell the user something
// queue it (analysis/PendingMessages.h); the paint shows it afterwards.

void RunRecalculationChain();

// After a load while a retrofit plan is current: the origin axes, the
// grid-point map, the wall lines and the structural recalculation of the current state, so that its
// results belong to the loaded project. CurrentVariant is left as it was.
void RecalcCurrentStateAfterLoad();
