#include "presentation/ResultsPanel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "evaluation/ColumnNValues.h"
#include "evaluation/FloorCheck.h"
#include "evaluation/Superstructure.h"
#include "evaluation/WallQuantityJudgement.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "platform/TextCodec.h"
#include "presentation/MainWindowPort.h"

ResultsPanelState ResultsPanel;

const PanelLabelEntry PanelLabels[PanelLabelCount] = {
    {"Pkoumen", &ResultsPanelState::Pkoumen},       {"Lqflag", &ResultsPanelState::Lqflag},
    {"Lqflag2", &ResultsPanelState::Lqflag2},       {"Lqflag3", &ResultsPanelState::Lqflag3},
    {"Lqflag4", &ResultsPanelState::Lqflag4},       {"L1hyox", &ResultsPanelState::L1hyox},
    {"L1hyoy", &ResultsPanelState::L1hyoy},         {"L2hyox", &ResultsPanelState::L2hyox},
    {"L2hyoy", &ResultsPanelState::L2hyoy},         {"L3hyox", &ResultsPanelState::L3hyox},
    {"L3hyoy", &ResultsPanelState::L3hyoy},         {"L1henx", &ResultsPanelState::L1henx},
    {"L1heny", &ResultsPanelState::L1heny},         {"L2henx", &ResultsPanelState::L2henx},
    {"L2heny", &ResultsPanelState::L2heny},         {"L3henx", &ResultsPanelState::L3henx},
    {"L3heny", &ResultsPanelState::L3heny},         {"Label4", &ResultsPanelState::Label4},
    {"Label12", &ResultsPanelState::Label12},       {"Label19", &ResultsPanelState::Label19},
    {"Ljuusokux1", &ResultsPanelState::Ljuusokux1}, {"Ljuusokux2", &ResultsPanelState::Ljuusokux2},
    {"Ljuusokux3", &ResultsPanelState::Ljuusokux3}, {"Ljuusokuy1", &ResultsPanelState::Ljuusokuy1},
    {"Ljuusokuy2", &ResultsPanelState::Ljuusokuy2}, {"Ljuusokuy3", &ResultsPanelState::Ljuusokuy3},
    {"Lshibunok", &ResultsPanelState::Lshibunok},
};

namespace {

// The labels of one storey.
struct StoreyLabels {
  PanelLabel* FloorFlag;
  PanelLabel* ScoreX;
  PanelLabel* ScoreY;
  PanelLabel* EccentricityX;
  PanelLabel* EccentricityY;
  PanelLabel* EccentricityCaption;
  PanelLabel* SufficiencyX;
  PanelLabel* SufficiencyY;
};

StoreyLabels LabelsOf(int s) {
  ResultsPanelState& p = ResultsPanel;
  switch (s) {
    case 0:
      return {&p.Lqflag2, &p.L1hyox, &p.L1hyoy,     &p.L1henx,
              &p.L1heny,  &p.Label4, &p.Ljuusokux1, &p.Ljuusokuy1};
    case 1:
      return {&p.Lqflag3, &p.L2hyox,  &p.L2hyoy,     &p.L2henx,
              &p.L2heny,  &p.Label12, &p.Ljuusokux2, &p.Ljuusokuy2};
    default:
      return {&p.Lqflag4, &p.L3hyox,  &p.L3hyoy,     &p.L3henx,
              &p.L3heny,  &p.Label19, &p.Ljuusokux3, &p.Ljuusokuy3};
  }
}

// Failing floor lines of a storey by direction, with the smallest
// |trunc(1000 x ratio)| of the failing lines (1000 while none fails).
struct FloorFailures {
  bool X = false;
  bool Y = false;
  int32_t WorstPermilleX = 1000;
  int32_t WorstPermilleY = 1000;
  bool Any() const { return X || Y; }
};

FloorFailures GatherFloorFailures(int v, int s) {
  FloorFailures f;
  for (int m = 0; m < FloorCheckMemberCount; ++m) {
    const bool inX = m <= FloorCheckXFromAboveFar;
    for (int line = 0; line < AxisLineCount; ++line) {
      if (FloorCheckOk[m][v][s][line] != FloorCheckFails) continue;
      (inX ? f.X : f.Y) = true;
      int32_t& worst = inX ? f.WorstPermilleX : f.WorstPermilleY;
      // A ratio that is not a number never becomes the worst.
      const double permille = std::fabs(std::trunc(1000.0 * FloorCheckRatio[m][v][s][line]));
      if (permille < worst) worst = TruncToInt(permille);
    }
  }
  return f;
}

// Background of a storey's floor flag: the worse the worst failing line, the
// further up ClassColourScale.
int32_t FloorFlagColour(const FloorFailures& f) {
  int32_t p = 10;
  if (f.X) p = std::min(p, f.WorstPermilleX / 100);
  if (f.Y) p = std::min(p, f.WorstPermilleY / 100);
  return ClassColourScale[10 - ClampInt(p, 0, 10)];
}

void FillFloorVerdict(int v, int top) {
  FloorFailures failures[StoreyCount];
  bool anyStorey = false;
  for (int s = top; s >= 0; --s) {
    failures[s] = GatherFloorFailures(v, s);
    anyStorey = anyStorey || failures[s].Any();
  }

  const bool flexible = ValidStorey(CurrentStorey) && failures[CurrentStorey].Any();
  ResultsPanel.Pkoumen.FontColour = flexible ? ColourYellow : ColourLime;
  ResultsPanel.Pkoumen.Caption = flexible ? "柔床" : "剛床";

  if (!anyStorey) {
    ResultsPanel.Lqflag.Caption = "OK";
    ResultsPanel.Lqflag.FontColour = ColourBlack;
  } else {
    ResultsPanel.Lqflag.Caption = "NG ";
    ResultsPanel.Lqflag.FontColour = ColourRed;
  }
  for (int s = 0; s < StoreyCount; ++s) {
    PanelLabel& flag = *LabelsOf(s).FloorFlag;
    const FloorFailures& f = failures[s];
    if (!anyStorey || !f.Any()) {
      flag.Colour = ColourButtonFace;
      flag.Caption.clear();
      continue;
    }
    flag.Caption = FormatA("%dF%s", s + 1, f.X && f.Y ? "XY" : f.X ? "X" : "Y");
    flag.Colour = FloorFlagColour(f);
    flag.FontColour = ColourBlack;
  }
}

void FillScores(int v) {
  const ShownScoreSet& shown = ProjectSettings.SnowCase != SnowCaseWithout ? SnowShownScores : ShownScores;
  for (int s = 0; s < StoreyCount; ++s) {
    const StoreyLabels labels = LabelsOf(s);
    const int32_t* colours = s == CurrentStorey ? ScoreClassColours : DimScoreClassColours;
    for (auto [label, value] :
         {std::pair{labels.ScoreX, shown.X[v][s]}, std::pair{labels.ScoreY, shown.Y[v][s]}}) {
      label->Caption = FormatA("%6.2f", value);
      label->FontColour = colours[ClassifyScore(value)];
    }
  }
}

// Loading case 0, or the largest over the cases 1 to 4 when one-way braces
// count by direction.
double ShownEccentricity(const StoreyCaseArray& ratio, int v, int s) {
  double e = ratio[v][s][0];
  if (ProjectSettings.DistinguishBraceDirection == SettingOn)
    for (int c = 1; c < StoreyLoadingCaseCount; ++c)
      if (ratio[v][s][c] > e) e = ratio[v][s][c];
  return e;
}

void FillEccentricities(int v) {
  const bool quarterDivision = ProjectSettings.BalanceMethod != BalanceByEccentricity;
  const bool snow = ProjectSettings.SnowCase != SnowCaseWithout;
  for (int s = 0; s < StoreyCount; ++s) {
    const StoreyLabels labels = LabelsOf(s);
    labels.EccentricityCaption->Caption = quarterDivision ? "４分割法" : "偏心率";
    const int32_t* colours = s == CurrentStorey ? EccentricityClassColours : DimEccentricityClassColours;
    const std::pair<PanelLabel*, double> rows[2] = {
        {labels.EccentricityX, ShownEccentricity(snow ? EccentricityRatioXSnow : EccentricityRatioX, v, s)},
        {labels.EccentricityY, ShownEccentricity(snow ? EccentricityRatioYSnow : EccentricityRatioY, v, s)},
    };
    for (auto [label, value] : rows) {
      if (quarterDivision) {
        label->Caption = "  -.--";
        label->FontColour = ColourBlack;
      } else {
        label->Caption = FormatA("%6.2f", value);
        label->FontColour = colours[ClassifyEccentricity(value)];
      }
    }
  }
}

void FillWallQuantities(int v) {
  for (int s = 0; s < StoreyCount; ++s) {
    const StoreyLabels labels = LabelsOf(s);
    labels.SufficiencyX->Caption = FormatA("%6.3f", SufficiencyRatioX[v][s]);
    labels.SufficiencyY->Caption = FormatA("%6.3f", SufficiencyRatioY[v][s]);
  }
  // The report's judgement page marks the quarter division by the same rule.
  ResultsPanel.Lshibunok.Caption = JudgeWallQuantity(v).QuarterDivisionMet ? "OK" : "NG";
}

}  // namespace

int32_t ClassifyEccentricity(double ratio) {
  if (std::isnan(ratio) || ratio > 0.3) return 2;
  if (ratio > 0.15) return 1;
  return 0;
}

void FillResultsPanel() {
  const int v = ClampInt(CurrentVariant, 0, VariantCount - 1);
  const int top = TopStoreyOf(v);
  FillFloorVerdict(v, top);
  FillScores(v);
  FillEccentricities(v);
  FillWallQuantities(v);
}

namespace {

// Appends the first five characters of an axis name as UTF-8 (at most 15
// bytes, so the conversion stays inside the string's own buffer).
char* AppendAxisName(char* out, const char* end, const char16_t* name) {
  std::size_t units = FixedView(name, GridAxisNameCapacity).substr(0, 5).size();
  // A surrogate pair cut in half is dropped whole.
  if (units > 0 && name[units - 1] >= 0xD800 && name[units - 1] <= 0xDBFF) --units;
  for (const char c : Utf16ToUtf8(std::u16string_view(name, units)))
    if (out < end) *out++ = c;
  return out;
}

char* AppendText(char* out, const char* end, const char* text) {
  while (*text != '\0' && out < end) *out++ = *text++;
  return out;
}

void WriteColumnVerdict(int v) {
  char* text = MainWindow.LnflagText;
  const char* end = text + sizeof MainWindow.LnflagText - 1;
  for (int s = StoreyCount - 1; s >= 0; --s) {
    const AxialForceNgPoint& ng = AxialForceNgPosition[v][s];
    if (ng.X < 0) continue;
    static constexpr char16_t kNoName[1] = {u'\0'};
    const char16_t* nameX = ng.X < GridAxisCountX ? GridAxisNameX[ng.X] : kNoName;
    const char16_t* nameY = ng.Y >= 0 && ng.Y < GridAxisCountY ? GridAxisNameY[ng.Y] : kNoName;
    char* out = AppendText(text, end, "NG [");
    out = AppendAxisName(out, end, nameX);
    out = AppendText(out, end, "]-[");
    out = AppendAxisName(out, end, nameY);
    out = AppendText(out, end, "]");
    *out = '\0';
    MainWindow.LnflagColour = 255;  // red
    return;
  }
  AppendText(text, end, "OK")[0] = '\0';
  MainWindow.LnflagColour = 0;  // black
}

}  // namespace

void ShowColumnVerdict() {
  const int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  WriteColumnVerdict(v);
}
