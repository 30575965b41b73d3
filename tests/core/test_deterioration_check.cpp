// What the deterioration check dialog shows of the point tables: the ticks,
// the totals in three characters and D in five, "-.--" without existence
// points, and the guarded item lookups.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "evaluation/DeteriorationCheck.h"
#include "model/ProjectSettings.h"

namespace {

class DeteriorationCheckTest : public ModelTest {
 protected:
  void TearDown() override {
    DeteriorationFactor = RetrofitDeteriorationFactor = 1.0;
    ModelTest::TearDown();
  }
};

TEST_F(DeteriorationCheckTest, SurveyWithTheRoofDeteriorated) {
  // Every item present (an exposed frame in good order, a balcony) and the
  // roof deteriorated: E = 2+2+2+4+2+1+1+1+2+2+2+1+2 = 24, R = 2,
  // D = 1 - 2/24 = 0.916667, shown as " 0.92".
  for (auto& a : ProjectSettings.DeteriorationAnswer) a = 0;
  ProjectSettings.DeteriorationAnswer[4] = 1;  // exposed frame, sound
  ProjectSettings.DeteriorationAnswer[5] = 1;  // there is a balcony
  ProjectSettings.DeteriorationAnswer[0] = 1;  // roof, deterioration found
  CalcDeteriorationFactor();

  const DeteriorationCheckView view = DeteriorationCheckOf(ExistencePoints, DeteriorationPoints);
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    EXPECT_TRUE(view.Exists[i]) << i;
    EXPECT_TRUE(view.DeteriorationShown[i]) << i;
    EXPECT_EQ(view.Deteriorated[i], i == 0) << i;
  }
  EXPECT_EQ(view.ExistenceTotal, 24);
  EXPECT_EQ(view.DeteriorationTotal, 2);
  EXPECT_EQ(view.ExistenceTotalText, " 24");
  EXPECT_EQ(view.DeteriorationTotalText, "  2");
  EXPECT_NEAR(view.Factor, 0.916667, 1e-6);
  EXPECT_EQ(view.FactorText, " 0.92");
  EXPECT_DOUBLE_EQ(view.Factor, DeteriorationFactor);
}

TEST_F(DeteriorationCheckTest, NoExistencePointsGiveDashesNotADivision) {
  int32_t existence[DeteriorationItemCount] = {};
  int32_t deterioration[DeteriorationItemCount] = {};
  deterioration[3] = 4;  // an answer left over from before the item was removed
  const DeteriorationCheckView view = DeteriorationCheckOf(existence, deterioration);
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    EXPECT_FALSE(view.Exists[i]) << i;
    EXPECT_FALSE(view.DeteriorationShown[i]) << i;
    EXPECT_FALSE(view.Deteriorated[i]) << i;
  }
  EXPECT_EQ(view.ExistenceTotalText, "  0");
  EXPECT_EQ(view.FactorText, "-.--");
  EXPECT_DOUBLE_EQ(view.Factor, 0.7);
}

TEST_F(DeteriorationCheckTest, FactorIsRaisedToItsFloorAndAbsentItemsHideTheirBox) {
  // E = 24, R = 10: 1 - 10/24 = 0.583 is raised to 0.70.
  int32_t existence[DeteriorationItemCount] = {2, 2, 2, 4, 2, 1, 1, 1, 2, 2, 2, 1, 2};
  int32_t deterioration[DeteriorationItemCount] = {2, 2, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  DeteriorationCheckView view = DeteriorationCheckOf(existence, deterioration);
  EXPECT_EQ(view.DeteriorationTotalText, " 10");
  EXPECT_DOUBLE_EQ(view.Factor, 0.7);
  EXPECT_EQ(view.FactorText, " 0.70");

  // The outer wall gone while its deterioration points stay.
  existence[3] = 0;
  view = DeteriorationCheckOf(existence, deterioration);
  EXPECT_FALSE(view.Exists[3]);
  EXPECT_FALSE(view.DeteriorationShown[3]);
  EXPECT_FALSE(view.Deteriorated[3]);
  EXPECT_TRUE(view.Deteriorated[2]);
}

TEST(DeteriorationItems, NamesAndPointsByIndexAreGuarded) {
  EXPECT_STREQ(DeteriorationItemName(0), "屋根 葺き材 (金属板 / 瓦・スレート)");
  EXPECT_STREQ(DeteriorationItemName(12), "床下");
  EXPECT_EQ(DeteriorationItemPointsText(3), "4");
  EXPECT_EQ(DeteriorationItemPointsText(11), "1");
  EXPECT_STREQ(DeteriorationItemName(-1), "");
  EXPECT_STREQ(DeteriorationItemName(DeteriorationItemCount), "");
  EXPECT_EQ(DeteriorationItemPointsText(DeteriorationItemCount), "");
  EXPECT_EQ(DeteriorationItemPoints(-1), 0);
}

}  // namespace
