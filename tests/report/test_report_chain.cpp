// The verification result sheet of a whole house under the verification
// method: the typical two-storey house run through the recalculation chain,
// then the sheet's right column against the evaluation's own score of the
// governing combination, cut to two decimals, for the current state and for a
// retrofit plan under both retrofit rules.
#include <gtest/gtest.h>

#include <cmath>

#include "ReportTestHelpers.h"
#include "chain/RecalculationChain.h"
#include "editing/SlotCopy.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportPreview.h"
#include "tests/support/MaximalModel.h"

namespace {

std::string CutText(double score) { return Utf8(FormatW(u"%7.2f", std::floor(score * 100) / 100)); }

TEST_F(ReportTest, VerificationSheetOfAHouseMatchesTheEvaluatedScores) {
  BuildTypicalHouse();
  ProjectSettings.DiagnosisMethod = DiagnosisVerification;
  ProjectSettings.VerificationDeterioration = VerificationDeteriorationComputed;
  // Deterioration found on the roof and the outer wall, and a repaired
  // ("改") finding on the floor: the current state and the plans differ.
  ProjectSettings.DeteriorationAnswer[0] = AnswerFound;
  ProjectSettings.DeteriorationAnswer[3] = AnswerFound;
  ProjectSettings.DeteriorationAnswer[14] = AnswerRepaired;
  CopyModelSlot(CurrentState, RetrofitPlan1, CopyModeCopy, 0b111);

  for (int32_t rule : {RetrofitCapHigherOfCurrent, RetrofitCapWhenFound}) {
    ProjectSettings.RetrofitDeteriorationRule = rule;
    CalcDeteriorationFactor();
    ASSERT_LT(DeteriorationFactor, 1.0);
    for (int32_t v : {CurrentState, RetrofitPlan1}) {
      CurrentVariant = v;
      RunRecalculationChain();
      RunRecalculationChain();
      const int c = GoverningCombinations.Building[v];
      RecordingPageSink preview;
      DrawVerificationResultSheet(preview, PreviewPixelsPerMm, 1);
      const RecordedPage& page = preview.Pages.back();
      const double d = v == CurrentState ? DeteriorationFactor : RetrofitDeteriorationFactor;
      ASSERT_TRUE(TextAt(page, 968, 999));
      EXPECT_EQ(Utf8(TextAt(page, 968, 999)->Text), Utf8(FormatW(u"%7.2f", d))) << rule << " " << v;
      const struct {
        int32_t y;
        double score;
      } rows[] = {{897, Scores.ScoreX[v][1][c]},
                  {968, Scores.ScoreY[v][1][c]},
                  {1040, Scores.ScoreX[v][0][c]},
                  {1111, Scores.ScoreY[v][0][c]}};
      for (const auto& row : rows) {
        ASSERT_GT(row.score, 0.1);
        const auto* text = TextAt(page, 1693, row.y);
        ASSERT_TRUE(text);
        EXPECT_EQ(Utf8(text->Text), CutText(row.score))
            << "rule " << rule << " variant " << v << " y " << row.y;
      }
    }
  }
}

}  // namespace
