#include "report/ReportScore.h"

#include <cmath>

#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/Superstructure.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"

double CutForThreeDecimals(double score) {
  if (score == 0) return 0.0;
  return score - 0.0004999999999;
}

int32_t ReportStoreyCount(int32_t v) {
  if (v < 0 || v >= VariantCount) v = 0;
  const int32_t top = ProjectSettings.TopStorey[v];
  return top < 0 ? 1 : top > 2 ? 3 : top + 1;
}

std::u16string StoreyColumnDirectionLine(int32_t storeys) {
  std::u16string line = u"方向                     Ｘ";
  for (int32_t s = 1; s < storeys; ++s) line += u"           ";
  line += u"          Ｙ";
  return line;
}

std::u16string StoreyColumnStoreyLine(int32_t storeys) {
  std::u16string line = u"階                      １階";
  if (storeys >= 2) line += u"       ２階";
  if (storeys >= 3) line += u"       ３階";
  line += u"        １階";
  if (storeys >= 2) line += u"       ２階";
  if (storeys >= 3) line += u"       ３階";
  return line;
}

std::u16string StoreyColumnRow(const char16_t* firstFormat, const double x[3], const double y[3],
                               int32_t storeys, StoreyColumnStyle style) {
  static constexpr const char16_t* Further[3] = {u" %10.3f", u"     1/%4.0f", u"       %4.0f"};
  static constexpr const char16_t* FirstY[3] = {u"  %10.3f", u"      1/%4.0f", u"        %4.0f"};
  const int k = static_cast<int>(style);
  std::u16string row = FormatW(firstFormat, x[0]);
  for (int32_t s = 1; s < storeys; ++s) row += FormatW(Further[k], x[s]);
  row += FormatW(FirstY[k], y[0]);
  for (int32_t s = 1; s < storeys; ++s) row += FormatW(Further[k], y[s]);
  return row;
}

int32_t GoverningBuildingCombination(int32_t v, bool snow) {
  if (v < 0 || v >= VariantCount) v = 0;
  const int32_t c = (snow ? SnowGoverningCombinations : GoverningCombinations).Building[v];
  return c >= 0 && c < LoadCombinationCount ? c : 0;
}

double BuildingDiagnosisScore(int32_t v, bool* snowGoverns) {
  if (v < 0 || v >= VariantCount) v = 0;
  const double plain = Scores.BuildingScore[v][GoverningBuildingCombination(v, false)];
  bool snowSmaller = false;
  double g = plain;
  if (ProjectSettings.SnowLoad != 0) {
    const double snow = SnowScores.BuildingScore[v][GoverningBuildingCombination(v, true)];
    if (snow < plain) {
      g = snow;
      snowSmaller = true;
    }
  }
  if (snowGoverns) *snowGoverns = snowSmaller;
  return g;
}

namespace {

constexpr int32_t Black = 0;
constexpr int32_t Blue = 0xFF0000;    // RGB (0, 0, 255)
constexpr int32_t Maroon = 0x000080;  // RGB (128, 0, 0)

// The arrays one pass reads: plain or snow.
struct PassResults {
  const StoreyArray& RequiredStrength;
  const StoreyCaseArray& StiffnessSumX;
  const StoreyCaseArray& StiffnessSumY;
  const StoreyCaseArray& DriftReciprocalX;
  const StoreyCaseArray& DriftReciprocalY;
  const CombinationArray& DriftReciprocalMeanX;
  const CombinationArray& DriftReciprocalMeanY;
  const StoreyComboArray& StiffnessRatioX;
  const StoreyComboArray& StiffnessRatioY;
  const StoreyComboArray& StiffnessRatioFactorX;
  const StoreyComboArray& StiffnessRatioFactorY;
  const StoreyCaseArray& EccentricityRatioX;
  const StoreyCaseArray& EccentricityRatioY;
  const StoreyComboArray& ReductionFactorEX;
  const StoreyComboArray& ReductionFactorEY;
  const StoreyCaseArray& WallStrengthX;
  const StoreyCaseArray& WallStrengthY;
  const ScoreSet& Score;
};

const PassResults PlainPass{RequiredStrength,      StiffnessSumX,         StiffnessSumY,
                            DriftReciprocalX,      DriftReciprocalY,      DriftReciprocalMeanX,
                            DriftReciprocalMeanY,  StiffnessRatioX,       StiffnessRatioY,
                            StiffnessRatioFactorX, StiffnessRatioFactorY, EccentricityRatioX,
                            EccentricityRatioY,    ReductionFactorEX,     ReductionFactorEY,
                            WallStrengthX,         WallStrengthY,         Scores};
const PassResults SnowPass{RequiredStrengthSnow,      StiffnessSumXSnow,         StiffnessSumYSnow,
                           DriftReciprocalXSnow,      DriftReciprocalYSnow,      DriftReciprocalMeanXSnow,
                           DriftReciprocalMeanYSnow,  StiffnessRatioXSnow,       StiffnessRatioYSnow,
                           StiffnessRatioFactorXSnow, StiffnessRatioFactorYSnow, EccentricityRatioXSnow,
                           EccentricityRatioYSnow,    ReductionFactorEXSnow,     ReductionFactorEYSnow,
                           WallStrengthXSnow,         WallStrengthYSnow,         SnowScores};

// The page's cursor: every line first steps down, then is drawn with its
// top at the cursor, 20 mm from the left edge; whole device units.
class ScoreCursor {
 public:
  ScoreCursor(PageFrame& frame, bool snow)
      : frame_(frame),
        canvas_(frame.PageCanvas()),
        ppm_(frame.PixelsPerMm()),
        x_(MmToUnits(20, ppm_)),
        y_(MmToUnits(15, ppm_)),
        p_(MmToUnits(snow ? 4 : 7, ppm_)) {}

  int32_t Pitch() const { return p_; }
  void Step(double units) { y_ = static_cast<int32_t>(y_ + units); }
  void StepMm(double mm) { Step(mm * ppm_); }
  void Line(double step, std::u16string_view text, int32_t colour = Black) {
    Step(step);
    canvas_.SetFontColour(colour);
    canvas_.TextOut(x_, y_, text);
  }
  PageFrame& Frame() { return frame_; }
  Canvas& PageCanvas() { return canvas_; }
  int32_t X() const { return x_; }
  int32_t Y() const { return y_; }

 private:
  PageFrame& frame_;
  Canvas& canvas_;
  double ppm_;
  int32_t x_, y_, p_;
};

struct ScorePass {
  const PassResults& r;
  int32_t v, storeys, c, g;
  bool snow;

  // Per-storey X and Y values of a getter.
  template <typename Get>
  void Values(double x[3], double y[3], Get get) const {
    for (int s = 0; s < 3; ++s) {
      x[s] = s < storeys ? get(s, 0) : 0.0;
      y[s] = s < storeys ? get(s, 1) : 0.0;
    }
  }
  template <typename Get>
  std::u16string Row(const char16_t* plainFormat, const char16_t* snowFormat, Get get,
                     StoreyColumnStyle style = StoreyColumnStyle::Value) const {
    double x[3], y[3];
    Values(x, y, get);
    return StoreyColumnRow(snow ? snowFormat : plainFormat, x, y, storeys, style);
  }
};

void DrawColumnHeads(ScoreCursor& cursor, int32_t storeys) {
  const int32_t p = cursor.Pitch();
  cursor.Line(1.5 * p, StoreyColumnDirectionLine(storeys));
  cursor.Line(p, StoreyColumnStoreyLine(storeys));
}

void DrawPass(ScoreCursor& cursor, const ScorePass& pass, bool general) {
  const int32_t p = cursor.Pitch();
  const PassResults& r = pass.r;
  const int v = pass.v, c = pass.c, g = pass.g;
  const auto qr = [&](int s, int) { return r.RequiredStrength[v][s]; };
  const auto fsr = [&](int s, int d) {
    return (d ? r.StiffnessRatioFactorY : r.StiffnessRatioFactorX)[v][s][c];
  };
  const auto fe = [&](int s, int d) { return (d ? r.ReductionFactorEY : r.ReductionFactorEX)[v][s][c]; };
  const auto re = [&](int s, int d) { return (d ? r.EccentricityRatioY : r.EccentricityRatioX)[v][s][g]; };
  const auto floorMagnification = [&](int s, int) { return AverageFloorMagnification[v][s]; };
  const auto wall = [&](int s, int d) { return (d ? r.WallStrengthY : r.WallStrengthX)[v][s][g]; };
  const auto other = [&](int s, int d) {
    return r.RequiredStrength[v][s] * (d ? OtherElementRatioY : OtherElementRatioX)[v][s];
  };

  if (!general) {
    cursor.Line(2 * p, u"[ 剛性率による低減係数 ]", Blue);
    DrawColumnHeads(cursor, pass.storeys);
    cursor.Line(p, pass.Row(u"必要耐力           %10.3f", u"必要耐力(積雪時)   %10.3f", qr));
    cursor.Line(p, pass.Row(u"剛性    　　       %10.3f", u"剛性(積雪時)       %10.3f",
                            [&](int s, int d) { return (d ? r.StiffnessSumY : r.StiffnessSumX)[v][s][g]; }));
    const auto rs = [&](int s, int d) { return (d ? r.DriftReciprocalY : r.DriftReciprocalX)[v][s][g]; };
    cursor.Line(p, pass.Row(u"層間変形角             1/%4.0f", u"層間変形角(積雪時)     1/%4.0f", rs,
                            StoreyColumnStyle::DriftAngle));
    cursor.Line(p, pass.Row(u"rs    　　　　          %4.0f", u"rs(積雪時)  　          %4.0f", rs,
                            StoreyColumnStyle::Reciprocal));
    std::u16string mean;
    if (pass.storeys >= 2) {
      const char16_t* first = pass.storeys == 2 ? (pass.snow ? u"rsの平均(積雪時)             %4.0f"
                                                             : u"rsの平均                     %4.0f")
                                                : (pass.snow ? u"rsの平均(積雪時)                   %4.0f"
                                                             : u"rsの平均                           %4.0f");
      mean = FormatW(first, r.DriftReciprocalMeanX[v][c]);
      for (int32_t s = 1; s < pass.storeys; ++s) mean += u"           ";
      mean += FormatW(u"        %4.0f", r.DriftReciprocalMeanY[v][c]);
    }
    cursor.Line(p, mean);
    cursor.Line(p, pass.Row(u"剛性率(Rs)    　   %10.3f", u"剛性率(Rs)(積雪時) %10.3f", [&](int s, int d) {
      return (d ? r.StiffnessRatioY : r.StiffnessRatioX)[v][s][c];
    }));
    cursor.Line(p, pass.Row(u"低減係数(Fsr)    　%10.3f", u"低減係数(Fsr)(積雪時)%8.3f", fsr), Blue);

    cursor.Line(1.5 * p, u"[ 偏心率と床仕様による低減係数 ]", Maroon);
    DrawColumnHeads(cursor, pass.storeys);
    cursor.Line(p, pass.Row(u"偏心率(Re)         %10.3f", u"偏心率(Re)(積雪時) %10.3f", re));
    cursor.Line(p, pass.Row(u"平均床倍率         %10.3f", u"平均床倍率         %10.3f", floorMagnification));
    cursor.Line(p, pass.Row(u"低減係数(Fe) 　　　%10.3f", u"低減係数(Fe)(積雪時)%9.3f", fe), Maroon);
  } else {
    cursor.Line(2 * p, u"[ 配置などによる低減係数 ]");
    DrawColumnHeads(cursor, pass.storeys);
    if (ProjectSettings.BalanceMethod == BalanceByEccentricity)
      cursor.Line(p, pass.Row(u"偏心率(Re)         %10.3f", u"偏心率(Re)(積雪時) %10.3f", re));
    cursor.Line(p, pass.Row(u"平均床倍率         %10.3f", u"平均床倍率         %10.3f", floorMagnification));
    cursor.Line(p, pass.Row(u"低減係数Ｅ         %10.3f", u"低減係数Ｅ(積雪時) %10.3f", fe));
  }

  cursor.Line(1.5 * p, u"[ 上部構造評点 ]");
  DrawColumnHeads(cursor, pass.storeys);
  cursor.Line(p, pass.Row(u"必要耐力(kN)       %10.3f", u"必要耐力(kN)(積雪時)%9.3f", qr));
  cursor.Line(p, pass.Row(u"壁の耐力           %10.3f", u"壁の耐力(積雪時)   %10.3f", wall));
  if (!general) {
    cursor.Line(p, pass.Row(u"低減係数(Fsr)    　%10.3f", u"低減係数(Fsr)(積雪時)%8.3f", fsr), Blue);
    cursor.Line(p, pass.Row(u"低減係数(Fe) 　　　%10.3f", u"低減係数(Fe)(積雪時)%9.3f", fe), Maroon);
  } else {
    if (ProjectSettings.OtherElementsMethod == OtherElementsMethod1 &&
        ProjectSettings.OpeningWallBasis == OpeningWallsByRatio)
      cursor.Line(p, pass.Row(u"無開口壁率による耐力%9.3f", u"無開口壁率による耐力%9.3f", other));
    cursor.Line(p, pass.Row(u"強さ　　           %10.3f", u"強さ(積雪時)       %10.3f",
                            [&](int s, int d) { return other(s, d) + wall(s, d); }));
    cursor.Line(p, pass.Row(u"低減係数Ｅ         %10.3f", u"低減係数Ｅ(積雪時) %10.3f", fe));
    const double d = HeldStrengthDeterioration(v);
    cursor.Line(
        p, pass.Row(u"劣化度　　         %10.3f", u"劣化度　　         %10.3f", [&](int, int) { return d; }));
  }
  const ScoreSet& score = r.Score;
  cursor.Line(p, pass.Row(u"保有する耐力       %10.3f", u"保有する耐力(積雪時)%9.3f",
                          [&](int s, int d) { return (d ? score.PdY : score.PdX)[v][s][c]; }));
  cursor.Line(p, pass.Row(u"評点               %10.3f", u"評点(積雪時)       %10.3f", [&](int s, int d) {
    return CutForThreeDecimals((d ? score.ScoreY : score.ScoreX)[v][s][c]);
  }));
  cursor.Line(1.5 * p, FormatW(pass.snow ? u"上部構造評点(積雪時)%9.3f ＝ 各階各方向評点の最小値"
                                         : u"上部構造評点       %10.3f ＝ 各階各方向評点の最小値",
                               CutForThreeDecimals(score.BuildingScore[v][c])));
}

// The load combination whose values a pass prints, in words: its number and
// the loading directions of the case that every storey's walls take in it.
std::u16string CombinationWords(int32_t c) {
  const int32_t k = CombinationGroup[c];
  if (k == 0) return FormatW(u"組合せ %i（加力方向を区別しない）", c);
  return FormatW(u"組合せ %i（加力 %sＸ %sＹ）", c, XCaseOfStoreyCase[k] == 1 ? u"＋" : u"－",
                 YCaseOfStoreyCase[k] == 3 ? u"＋" : u"－");
}

}  // namespace

std::u16string ScoreCombinationNote(int32_t v, bool snow) {
  const int32_t plain = GoverningBuildingCombination(v, false);
  std::u16string note =
      u"※各階各方向の値は、上部構造評点を決める荷重の" + CombinationWords(plain) + u"による";
  if (!snow) return note + u"。";
  const int32_t withSnow = GoverningBuildingCombination(v, true);
  if (withSnow == plain) return note + u"（積雪時も同じ）。";
  return note + u"。積雪時は" + CombinationWords(withSnow) + u"による。";
}

int32_t DrawScorePage(PageSink& sink, double ppm, int32_t wantedPage) {
  int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) v = 0;
  const bool snow = ProjectSettings.SnowLoad != 0;
  const bool general = ProjectSettings.DiagnosisMethod == DiagnosisGeneral;
  const int32_t storeys = ReportStoreyCount(v);

  PageFrame frame(sink, ppm, wantedPage);
  Canvas& canvas = frame.BeginPage();
  canvas.SetFontColour(Black);
  frame.SelectFont(ReportGothicFace, 5, 2.5, 800);
  DrawTextMm(canvas, ppm, 10, 10, FormatW(u"%s低減係数･上部構造評点", CurrentTitlePrefix()));

  if (ProjectSettings.DistinguishBraceDirection == SettingOn) {
    // With the brace directions told apart every storey and direction has
    // its own governing combination, which the cover prints; this page
    // prints the building's. The note says so, between the title and the
    // first block.
    frame.SelectFont(ReportGothicFace, 2.5, 1.25, 400);
    DrawTextMm(canvas, ppm, 20, 17, ScoreCombinationNote(v, snow));
    DrawTextMm(canvas, ppm, 20, 20, u"　表紙の各階各方向の値は、それぞれ評点が最小となる組合せによる。");
  }
  ScoreCursor cursor(frame, snow);
  for (int pass = 0; pass < (snow ? 2 : 1); ++pass) {
    if (snow) {
      frame.SelectFont(ReportGothicFace, 5, 2.5, pass == 0 ? 800 : 400);
      cursor.StepMm(10);
      canvas.SetFontColour(Black);
      canvas.TextOut(cursor.X(), cursor.Y(), pass == 0 ? u"雪なし時" : u"積雪時");
    }
    frame.SelectFont(ReportGothicFace, snow ? 3 : 4, 2, 400);
    const bool snowPass = pass == 1;
    const int32_t c = GoverningBuildingCombination(v, snowPass);
    DrawPass(cursor, ScorePass{snowPass ? SnowPass : PlainPass, v, storeys, c, CombinationGroup[c], snowPass},
             general);
  }
  if (snow) {
    bool snowGoverns = false;
    const double g = BuildingDiagnosisScore(v, &snowGoverns);
    // The precise layouts run to the foot of the sheet: one pitch keeps the
    // line on the printed page.
    cursor.Line(general ? 2 * cursor.Pitch() : cursor.Pitch(),
                FormatW(u"当該建物の耐震診断評点%7.3f %s", CutForThreeDecimals(g),
                        snowGoverns ? u"＜－－ 積雪時の上部構造評点" : u"＜－－ 雪なし時の上部構造評点"));
  }
  frame.HandOver(false);
  return frame.Result();
}
