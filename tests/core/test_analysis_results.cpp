// The fixed index tables of the analysis results: storey cases map to the
// wall cases of each direction, and the seventeen load combinations are the
// undirected case plus every sign pattern of X and of Y over three storeys.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "analysis/AnalysisResults.h"

namespace {

TEST(AnalysisResults, StoreyCasesMapToWallCasesOfTheirDirection) {
  EXPECT_EQ(XCaseOfStoreyCase[0], 0);
  EXPECT_EQ(YCaseOfStoreyCase[0], 0);
  for (int k = 1; k < StoreyLoadingCaseCount; ++k) {
    EXPECT_TRUE(XCaseOfStoreyCase[k] == 1 || XCaseOfStoreyCase[k] == 2) << k;
    EXPECT_TRUE(YCaseOfStoreyCase[k] == 3 || YCaseOfStoreyCase[k] == 4) << k;
  }
  // Cases 1..4 are (+X,+Y), (-X,+Y), (+X,-Y), (-X,-Y).
  EXPECT_EQ(XCaseOfStoreyCase[2], 2);
  EXPECT_EQ(YCaseOfStoreyCase[3], 4);
}

TEST(AnalysisResults, CombinationsCoverEverySignPatternOnce) {
  for (int s = 0; s < StoreyCount; ++s) EXPECT_EQ(LoadCombinations[s][0], 0);
  std::set<std::tuple<int, int, int>> xPatterns, yPatterns;
  for (int c = 1; c < LoadCombinationCount; ++c) {
    const int a = LoadCombinations[0][c], b = LoadCombinations[1][c], d = LoadCombinations[2][c];
    if (c <= 8) {
      // X combinations use the storey cases 1 and 2 only (+X and -X).
      for (int k : {a, b, d}) EXPECT_TRUE(k == 1 || k == 2) << c;
      xPatterns.insert({a, b, d});
    } else {
      for (int k : {a, b, d}) EXPECT_TRUE(k == 3 || k == 4) << c;
      yPatterns.insert({a, b, d});
    }
    EXPECT_EQ(CombinationGroup[c], a) << c;
  }
  EXPECT_EQ(xPatterns.size(), 8u);
  EXPECT_EQ(yPatterns.size(), 8u);
  EXPECT_EQ(CombinationGroup[0], 0);
}

}  // namespace
