#pragma once
// Everything the plan shows that derives from the model, recomputed in one
// fixed order on every full paint. Steps that want to tell the user something
// queue it (analysis/PendingMessages.h); the paint shows it afterwards.

void RunRecalculationChain();
