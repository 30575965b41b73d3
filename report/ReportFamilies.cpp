#include "report/ReportFamilies.h"

#include "report/ReportCover.h"
#include "report/ReportNValue.h"
#include "report/ReportScore.h"

const ReportPageGenerator ReportPageFunctions[ReportPageKindCount] = {
    DrawCoverPage,                // PageCover
    DrawPlanPages,                // PagePlan
    DrawFoundationPlanPage,       // PageFoundation
    DrawRequiredStrengthPages,    // PageRequiredStrength
    DrawWallStrengthPages,        // PageWallStrength
    DrawCentreOfGravityPages,     // PageCentreOfGravity
    DrawRigidityPages,            // PageRigidity
    DrawNValueTables,             // PageNValueTables
    DrawNValueFrameDiagrams,      // PageNValueFrames
    DrawFloorMagnificationPages,  // PageFloorMagnification
    DrawFloorStrengthCheckPages,  // PageFloorStrengthCheck
    DrawScorePage,                // PageScore
    DrawWallQuantityReport,       // PageWallQuantity
    DrawVerificationResultSheet,  // PageVerification
};

const int32_t PrintPositionKinds[PrintPositionCount] = {
    PageCover,
    PagePlan,
    PageFoundation,
    PageRequiredStrength,
    PageWallStrength,
    PageCentreOfGravity,
    PageRigidity,
    PageNValueFrames,
    PageNValueTables,
    PageFloorMagnification,
    PageFloorStrengthCheck,
    PageScore,
};

int32_t DrawReportPageKind(int32_t kind, PageSink& sink, double pixelsPerMm, int32_t wantedPage) {
  if (kind < 0 || kind >= ReportPageKindCount) return 0;
  if (const ReportPageGenerator function = ReportPageFunctions[kind])
    return function(sink, pixelsPerMm, wantedPage);
  if (wantedPage == 0) return 0;
  PageFrame frame(sink, pixelsPerMm, wantedPage);
  frame.BeginPage();
  frame.HandOver(false);
  return frame.Result();
}
