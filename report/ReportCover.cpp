#include "report/ReportCover.h"

#include <algorithm>
#include <iterator>

#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/FloorAreas.h"
#include "analysis/RequiredStrength.h"
#include "analysis/StoreyWeights.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/Superstructure.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/FoundationClass.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportLines.h"
#include "report/ReportScore.h"

namespace {

// A fixed-length text field of the settings as a string.
template <std::size_t N>
std::u16string FieldText(const char16_t (&field)[N]) {
  std::u16string text(field, N);
  if (const auto end = text.find(u'\0'); end != std::u16string::npos) text.resize(end);
  return text;
}

const char16_t* const EraNames[] = {u"西暦", u"明治", u"大正", u"昭和", u"平成", u"令和", u"　　"};
constexpr int32_t EmptyEra = 6;
const char16_t* const UseNames[] = {u"専用住宅", u"店舗付き併用住宅", u"事務所付き併用住宅",
                                    u"その他の併用住宅"};
const char16_t* const VariantNames[] = {u"　現況", u"改修案１", u"改修案２"};
const char16_t* const GroundNames[] = {u"良い", u"普通", u"悪い"};
const char16_t* const WeightNames[] = {u"軽い建物", u"重い建物", u"非常に重い建物"};
const char16_t* const FoundationNames[] = {u"基礎Ⅰ", u"基礎Ⅱ", u"基礎Ⅲ"};
const char16_t* const FloorNames[] = {u"Ⅰ 合板", u"Ⅱ 火打ち＋荒板", u"Ⅲ 火打ち無"};
const char16_t* const StoreyLabels[] = {u"１階", u"２階", u"３階"};

template <std::size_t N>
const char16_t* Label(const char16_t* const (&table)[N], int32_t index) {
  return LabelAt(table, static_cast<int>(N), index);
}

enum class DeteriorationCase { NotConsidered, Computed, Fixed };

DeteriorationCase CoverDeteriorationCase() {
  const int32_t method = ProjectSettings.DiagnosisMethod;
  if (method == DiagnosisGeneral) return DeteriorationCase::Computed;
  if (method == DiagnosisVerification)
    return ProjectSettings.VerificationDeterioration == VerificationDeteriorationComputed
               ? DeteriorationCase::Computed
               : DeteriorationCase::Fixed;
  return DeteriorationCase::NotConsidered;
}

int32_t FoundationClassOfSettings() {
  return FoundationClassOf(ProjectSettings.FoundationType, ProjectSettings.FoundationCracks,
                           ProjectSettings.FoundationTieBeams);
}

int32_t FloorClassOfSettings() {
  if (ProjectSettings.FloorMaterial == FloorAllPlywood) return 0;
  if (ProjectSettings.FloorMaterial == FloorOtherMaterial &&
      ProjectSettings.HorizontalBraces == HorizontalBracesPresent)
    return 1;
  return 2;
}

struct Cover {
  PageFrame& frame;
  Canvas& canvas;
  double ppm;
  void Text(double x, double y, std::u16string_view text) { DrawTextMm(canvas, ppm, x, y, text); }
  void Font(double height, double width, int32_t weight) {
    frame.SelectFont(ReportGothicFace, height, width, weight);
  }
};

void DrawCoverGrid(Cover& c) {
  Canvas& canvas = c.canvas;
  canvas.SetPenColour(0);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(MmToUnits(0.4, c.ppm));
  static constexpr double Boxes[][4] = {{17, 6, 196, 26},   {22, 33, 196, 57},   {22, 65, 196, 77},
                                        {22, 85, 196, 109}, {22, 116, 196, 200}, {22, 207, 196, 276},
                                        {22, 283, 196, 289}};
  for (const auto& b : Boxes) DrawRectMm(canvas, c.ppm, b[0], b[1], b[2], b[3]);
  for (double y : {39, 51, 122, 158, 182, 225}) DrawLineMm(canvas, c.ppm, 22, y, 196, y);
  static constexpr double Bold[][3] = {
      {102, 33, 39}, {102, 51, 57}, {102, 65, 77}, {102, 85, 109}, {132, 122, 158}};
  for (const auto& l : Bold) DrawLineMm(canvas, c.ppm, l[0], l[1], l[0], l[2]);

  canvas.SetPenWidth(MmToUnits(0.1, c.ppm));
  for (double y : {45, 71, 91, 97, 103, 164, 188, 194, 242, 259}) DrawLineMm(canvas, c.ppm, 22, y, 196, y);
  for (double y : {128.0, 134.0, 140.0, 146.0, 152.0, 233.5, 250.5, 267.5})
    DrawLineMm(canvas, c.ppm, 34, y, 196, y);
  DrawLineMm(canvas, c.ppm, 102, 170, 154, 170);
  static constexpr double Thin[][3] = {
      {34, 122, 158},  {34, 164, 200},  {34, 207, 276},  {43, 207, 276},  {51, 33, 57},    {51, 65, 77},
      {51, 85, 109},   {51, 158, 200},  {67, 116, 158},  {67, 207, 276},  {84, 51, 57},    {84, 164, 200},
      {102, 45, 51},   {102, 122, 158}, {102, 164, 200}, {102, 207, 276}, {120, 170, 200}, {120, 207, 276},
      {132, 33, 39},   {132, 45, 57},   {132, 65, 77},   {132, 85, 109},  {137, 170, 200}, {137, 207, 276},
      {154, 164, 200}, {154, 207, 276}, {154, 283, 289}, {162, 128, 158}, {166, 225, 276}, {166, 283, 289}};
  for (const auto& l : Thin) DrawLineMm(canvas, c.ppm, l[0], l[1], l[0], l[2]);
}

void DrawUpperHalf(Cover& c, int32_t v) {
  const ProjectSettingsData& p = ProjectSettings;
  const int32_t method = p.DiagnosisMethod;
  const int32_t storeys = ReportStoreyCount(v);
  c.Font(3.5, 1.75, 400);
  c.Text(47, 8,
         method == DiagnosisVerification
             ? u"新耐震基準の木造住宅の耐震性能検証法（財団法人　日本建築防災協会）に基づく"
             : u"木造住宅の耐震診断と補強方法〈財団法人　日本建築防災協会〉に基づく");
  c.Font(6, 3, 800);
  if (method == DiagnosisPrecise1) c.Text(72, 13, u"「精密診断法１」による診断");
  if (method == DiagnosisGeneral) c.Text(72, 13, u"「一般診断法」による診断");
  if (method == DiagnosisVerification) c.Text(72, 13, u"「一般診断法」に準ずる検証");
  c.Font(4, 2, 800);
  c.Text(23, 28, u"基本項目");
  c.Text(23, 60, u"立地条件");
  c.Text(23, 80, u"建物仕様");
  c.Text(23, 111, u"評価");
  c.Text(23, 202, u"診断結果");
  c.Text(27, 284, u"総合評点");
  c.Font(3.5, 1.75, 400);
  c.Text(140, 21, p.Revision == Revision2012 ? u"Quilmora2012" : u"Quilmora2025");

  const std::u16string name = FieldText(p.BuildingName);
  c.Text(25, 34, u"建物名");
  c.Text(54, 34, p.AppendTei == SettingOn ? FormatW(u"%s 邸", name.c_str()) : name);
  c.Text(105, 34, u"構法");
  c.Text(135, 34,
         p.OtherElementsMethod == OtherElementsMethod1 ? u"在来軸組構法（方法１）" : u"伝統的構法（方法２）");
  c.Text(25, 40, u"建物所在地");
  c.Text(54, 40, FieldText(p.BuildingLocation));
  c.Text(25, 46, u"竣工年月");
  c.Text(54, 46, CoverCompletionDate());
  c.Text(105, 46, u"建物用途");
  c.Text(135, 46,
         p.NotDwellingOnly != SettingOff ? FieldText(p.UseText)
                                         : std::u16string(Label(UseNames, p.BuildingUse)));
  c.Text(25, 52, u"診断法・対象");
  c.Text(54, 52, method == DiagnosisPrecise1 ? u"精密診断法1" : u"一般診断法");
  c.Text(87, 52, Label(VariantNames, v));
  c.Text(105, 52, u"設計者");
  c.Text(135, 52, FieldText(p.DesignerName));

  c.Text(25, 66, u"地域係数　Ｚ");
  c.Text(54, 66, FormatW(u"%7.2f", p.RegionFactorZ));
  c.Text(105, 66, u"積雪深さ");
  c.Text(135, 66,
         p.SnowLoad == 0 ? std::u16string(u"無し(１ｍ未満)") : FormatW(u"%6.1f ｍ", p.SnowLoad / 0.26));
  c.Text(25, 72, u"地盤種別");
  c.Text(54, 72, Label(GroundNames, p.GroundClass));
  c.Text(105, 72, u"軟弱地盤割増");
  c.Text(135, 72,
         p.VerySoftGround == SettingOn ? FormatW(u"軟弱地盤(係数＝%7.2f)", 1.5)
                                       : std::u16string(u"無し(係数＝1.0)"));

  c.Text(25, 86, u"建物重量");
  c.Text(54, 86, Label(WeightNames, p.WeightClass[v]));
  c.Text(105, 86, u"形状割増係数");
  std::u16string shape;
  if (storeys >= 2) shape = FormatW(u"１階＝%4.2f", PlanShapeFactor[v][0]);
  if (storeys >= 3) shape += FormatW(u",２階＝%4.2f", PlanShapeFactor[v][1]);
  c.Text(135, 86, shape);
  c.Text(25, 92, u"混構造割増");
  const int32_t mixed = p.MixedStructure >= MixedStructureNone && p.MixedStructure <= MixedStructureSteelBelow
                            ? p.MixedStructure
                            : MixedStructureNone;
  c.Text(54, 92, FormatW(u"%7.2f", MixedStructureFactors[mixed]));
  c.Text(105, 92, u"基礎形式");
  c.Text(135, 92,
         FormatW(u"%-5s%6s", Label(FoundationNames, FoundationClassOfSettings()),
                 p.UniformFoundation == SettingOff ? u"（個別入力）" : u""));
  c.Text(25, 98, u"柱頭柱脚接合部");
  c.Text(54, 98, CoverJointClasses(v));
  c.Text(105, 98, u"木製筋かい");
  c.Text(135, 98, CoverBraceSummary(v));
  c.Text(25, 104, u"床仕様");
  c.Text(54, 104,
         FormatW(u"%-8s%6s", FloorNames[FloorClassOfSettings()],
                 p.UniformFloorSpec == SettingOff ? u"（個別入力）" : u""));
  c.Text(105, 104, u"吹抜け");
  c.Text(135, 104,
         FormatW(u"%-24s", p.Atrium == SettingOn ? u"４ｍ以上の吹抜け 有り" : u"４ｍ以上の吹抜け 無し"));

  c.Text(25, 117, u"劣化度低減係数");
  static constexpr char16_t PointsFormat[] =
      u"存在点数:%3i　劣化点数:%3i　(1.0 - %3i/%3i ＝)　劣化度低減係数＝%6.3f";
  switch (CoverDeteriorationCase()) {
    case DeteriorationCase::NotConsidered:
      c.Text(70, 117, u"一般診断法による劣化度（建物全体）は考慮しない");
      break;
    case DeteriorationCase::Computed:
      if (v == CurrentState) {
        c.Text(70, 117,
               FormatW(PointsFormat, ExistencePointTotal, DeteriorationPointTotal, DeteriorationPointTotal,
                       ExistencePointTotal, DeteriorationFactor));
      } else {
        c.Text(70, 111,
               FormatW(u"                                現況調査における劣化度低減係数＝%6.3f",
                       DeteriorationFactor));
        c.Text(70, 117,
               FormatW(PointsFormat, RetrofitExistencePointTotal, RetrofitDeteriorationPointTotal,
                       RetrofitDeteriorationPointTotal, RetrofitExistencePointTotal,
                       RetrofitDeteriorationFactor));
      }
      break;
    case DeteriorationCase::Fixed:
      c.Text(70, 117,
             FormatW(u"一般診断法に準じた方法における劣化度による低減係数＝%6.3f",
                     p.VerificationDeterioration / 100.0));
      break;
  }

  c.Text(27, 134, u"床");
  c.Text(27, 138, u"面");
  c.Text(27, 142, u"積");
  c.Text(74, 123, u"基準法上の面積");
  c.Text(107, 123, u"診断上の面積");
  c.Text(155, 123, u"計算条件");
  c.Text(37, 129, u"建築面積");
  c.Text(75, 129, FormatW(u"%8.3f ㎡", p.BuildingArea[v]));
  static constexpr double AreaRowY[3] = {147, 141, 135};
  static constexpr const char16_t* AreaLabels[3] = {u"１階床面積", u"２階床面積", u"３階床面積"};
  for (int s = 0; s < storeys; ++s) {
    c.Text(37, AreaRowY[s], AreaLabels[s]);
    c.Text(75, AreaRowY[s], FormatW(u"%8.3f ㎡", p.LawFloorArea[s][v]));
    c.Text(108, AreaRowY[s], FormatW(u"%8.3f ㎡", StoreyGrossArea[v][s]));
  }
  c.Text(37, 153, u"延べ床面積");
  c.Text(75, 153, FormatW(u"%8.3f ㎡", p.TotalFloorArea[v]));

  c.Text(135, 129, u"筋かいの方向");
  c.Text(165, 129, p.DistinguishBraceDirection != SettingOff ? u"考慮する" : u"考慮しない");
  c.Text(135, 135, u"斜め壁の評価");
  c.Text(165, 135, p.CountSteepDiagonalWalls != SteepDiagonalDominantOnly ? u"全て考慮" : u"45°以下のみ");
  c.Text(135, 141, u"柱引抜計算");
  c.Text(165, 141, p.JointHardwareMethod != HardwareByNValue ? u"変換Ｎ値法" : u"Ｎ値法");
  c.Text(135, 147, u"耐力無し時");
  c.Text(165, 147,
         (p.EccentricityOptions & EccentricityUnresistedIsLarge) != 0 ? u"偏心率＝99.99" : u"偏心率＝ 0.0");
  c.Text(135, 153, u"途中計算の丸め");
  c.Text(165, 153, u"行わない");
}

void DrawRequiredStrengthTable(Cover& c, int32_t v) {
  const ProjectSettingsData& p = ProjectSettings;
  const int32_t m = p.RequiredStrengthMethod;
  const bool snow = p.SnowLoad != 0;
  const int32_t storeys = ReportStoreyCount(v);
  c.Text(25, 159, u"必要耐力");
  if (m == RequiredBySimpleTable) c.Text(54, 159, u"略算による必要耐力表を用いる方法");
  if (m == RequiredByStrengthTable) c.Text(54, 159, u"各階の床面積を考慮した必要耐力の算出法");
  if (m == RequiredByWeightTable) c.Text(54, 159, u"簡易重量表を用いる方法");
  c.Text(27, 171, u"階");
  if (m == RequiredByWeightTable) {
    c.Text(35, 171, u"支持重量");
    c.Text(39, 177, u"(kＮ)");
    c.Text(54, 165, u"振動");
    c.Text(52, 171, u"特性係数");
    c.Text(56, 177, u"(Ｒt)");
    c.Text(67, 165, u"層せん断力");
    c.Text(68, 171, u"分布係数");
    c.Text(72, 177, u"(Ａi)");
  } else {
    c.Text(37, 165, u"算定用");
    c.Text(37, 171, u"床面積");
    c.Text(37, 177, u"Ａ(㎡)");
    c.Text(54, 165, u"床面積あたりの");
    c.Text(52, 171, u"必要耐力");
    c.Text(52, 177, u"(kＮ／㎡)");
    if (snow) {
      c.Text(70, 171, u"積雪用");
      c.Text(68, 177, u"(kＮ／㎡)");
    }
  }
  c.Text(86, 171, u"地域係数");
  c.Text(122, 165, u"割増係数");
  c.Text(104, 171, u"軟弱地盤");
  c.Text(125, 171, u"形状");
  c.Text(140, 171, u"混構造");
  c.Text(160, 171, u"必要耐力");
  c.Text(163, 177, u"(kＮ)");
  if (snow) {
    c.Text(180, 171, u"(積雪用)");
    c.Text(183, 177, u"(kＮ)");
  }
  static constexpr double RowY[3] = {195, 189, 183};
  const int32_t mixed = p.MixedStructure >= MixedStructureNone && p.MixedStructure <= MixedStructureSteelBelow
                            ? p.MixedStructure
                            : MixedStructureNone;
  for (int s = 0; s < storeys; ++s) {
    const double y = RowY[s];
    c.Text(25, y, StoreyLabels[s]);
    if (m == RequiredByStrengthTable || m == RequiredBySimpleTable) {
      c.Text(33, y, FormatW(u"%8.3f", RequiredStrengthArea[v][s]));
      c.Text(51, y, FormatW(u"%7.3f", RequiredStrengthPerArea[v][s]));
      if (snow) c.Text(69, y, FormatW(u"%7.3f", p.SnowLoad));
    } else if (m == RequiredByWeightTable) {
      c.Text(36, y, FormatW(u"%7.3f", StoreyWeight[v][s]));
      c.Text(51, y, FormatW(u"%7.3f", VibrationCharacteristicRt[v]));
      c.Text(69, y, FormatW(u"%7.3f", ShearDistributionAi[v][s]));
    }
    c.Text(86, y, FormatW(u"%7.3f", p.RegionFactorZ));
    c.Text(104, y, FormatW(u"%7.3f", p.VerySoftGround == SettingOn ? 1.5 : 1.0));
    c.Text(121, y, FormatW(u"%7.3f", PlanShapeFactor[v][s]));
    c.Text(138, y, FormatW(u"%7.3f", MixedStructureFactors[mixed]));
    c.Text(155, y, FormatW(u"%8.3f kN", RequiredStrength[v][s]));
    if (snow) {
      // In the label font the bracketed snow Qr would end on the frame (and
      // cross it from 1000 kN): narrower, it ends at least 1 mm before it.
      const std::u16string snowQr = FormatW(u"(%7.3f kN)", RequiredStrengthSnow[v][s]);
      c.Font(3.5, std::min(1.5, 20.0 / CellsOf(snowQr)), 400);
      c.Text(175, y, snowQr);
      c.Font(3.5, 1.75, 400);
    }
  }
}

// One result row of storey s, direction d (0 X, 1 Y), plain or snow, with
// its top at y mm.
void DrawResultRow(Cover& c, int32_t v, int s, int d, bool snow, double y, double height, double width) {
  const GoverningCombinationSet& governing = snow ? SnowGoverningCombinations : GoverningCombinations;
  int32_t comb = (d ? governing.Y : governing.X)[v][s];
  if (comb < 0 || comb >= LoadCombinationCount) comb = 0;
  const int32_t g = CombinationGroup[comb];
  const double qr = (snow ? RequiredStrengthSnow : RequiredStrength)[v][s];
  const double wall = d ? (snow ? WallStrengthYSnow : WallStrengthY)[v][s][g]
                        : (snow ? WallStrengthXSnow : WallStrengthX)[v][s][g];
  const double strength = qr * (d ? OtherElementRatioY : OtherElementRatioX)[v][s] + wall;
  const double e = d ? (snow ? ReductionFactorEYSnow : ReductionFactorEY)[v][s][comb]
                     : (snow ? ReductionFactorEXSnow : ReductionFactorEX)[v][s][comb];
  const double fs = d ? (snow ? StiffnessRatioFactorYSnow : StiffnessRatioFactorY)[v][s][comb]
                      : (snow ? StiffnessRatioFactorXSnow : StiffnessRatioFactorX)[v][s][comb];
  const ScoreSet& set = snow ? SnowScores : Scores;
  const double pd = (d ? set.PdY : set.PdX)[v][s][comb];
  const double score = (d ? set.ScoreY : set.ScoreX)[v][s][comb];

  c.Font(height, width, 400);
  c.Text(46, y, FormatW(u"%8.3f", strength));
  if (ProjectSettings.DiagnosisMethod == DiagnosisGeneral) {
    c.Text(77, y, FormatW(u"%8.3f", e));
  } else {
    c.Text(68, y, FormatW(u"%5.3f", fs));
    c.Text(80, y, FormatW(u"%5.3f", e));
  }
  c.Text(121, y, FormatW(u"%8.3f", pd));
  c.Text(138, y, FormatW(u"%8.3f", qr));
  c.Text(156, y, FormatW(u"%5.3f", CutForThreeDecimals(score)));
  int32_t verdict = JudgeScore(score);
  if (s == 0 && ProjectSettings.MixedStructure != MixedStructureNone && score <= 0) verdict = 4;
  c.Font(2.5, 1.25, 400);
  c.Text(167, y, CollapseJudgementText(verdict));
}

void DrawResultTable(Cover& c, int32_t v) {
  const bool snow = ProjectSettings.SnowLoad != 0;
  const int32_t storeys = ReportStoreyCount(v);
  c.Font(3.5, 1.75, 400);
  c.Text(27, 214, u"階");
  c.Text(35, 214, u"方向");
  c.Text(50, 214, u"強さ");
  c.Text(48, 220, u"Ｐ(kＮ)");
  if (ProjectSettings.DiagnosisMethod == DiagnosisGeneral) {
    c.Text(72, 209, u"配置などによる");
    c.Text(77, 214, u"低減係数");
    c.Text(82, 220, u"eＫfl");
  } else {
    c.Text(72, 209, u"剛性率偏心率等");
    c.Text(72, 214, u"による低減係数");
    c.Text(71, 220, u"Fs");
    c.Text(82, 220, u"Fe");
  }
  c.Text(105, 209, u"全体の");
  c.Text(105, 214, u"劣化度");
  c.Text(109, 220, u"Ｄ");
  c.Text(125, 209, u"建物");
  c.Text(122, 214, u"保有耐力");
  c.Text(123, 220, u"Ｐd(kＮ)");
  c.Text(139, 214, u"必要耐力");
  c.Text(140, 220, u"Ｑr(kＮ)");
  c.Text(163, 214, u"上部構造評点");
  if (snow) {
    c.Font(2.5, 1.25, 400);
    c.Text(43, 203, u"（上段：雪なし時、下段：積雪時）");
  }
  const DeteriorationCase deterioration = CoverDeteriorationCase();
  const double d = HeldStrengthDeterioration(v);
  for (int s = storeys - 1; s >= 0; --s) {
    const int storeyBand = 2 - s;  // storey 3 first
    c.Font(3.5, 1.75, 400);
    c.Text(25, 231.5 + 17 * storeyBand, StoreyLabels[s]);
    for (int dir = 0; dir < 2; ++dir) {
      const double top = 225 + 8.5 * (2 * storeyBand + dir);
      c.Font(3.5, 1.75, 400);
      c.Text(37, top + 2.5, dir ? u"Ｙ" : u"Ｘ");
      if (deterioration != DeteriorationCase::NotConsidered) c.Text(102, top + 2.5, FormatW(u"%8.3f", d));
      if (snow) {
        DrawResultRow(c, v, s, dir, false, top + 1.5, 2.5, 1.75);
        DrawResultRow(c, v, s, dir, true, top + 5, 2.5, 1.75);
      } else {
        DrawResultRow(c, v, s, dir, false, top + 1.25, 3.5, 1.75);
      }
    }
  }
  c.Font(3.5, 1.75, 400);
  c.Text(46, 284.5, u"(建築基準法の想定する大地震動での倒壊の可能性)");
  c.Text(158, 278, u"↓最小値");
  c.Text(142, 284.25, u"評点＝");
  const double g = BuildingDiagnosisScore(v);
  c.Text(154.25, 284.25, FormatW(u"%5.2f", g < 0 ? g - 0.004999999999 : CutForTwoDecimals(g)));
  c.Font(2.5, 1.25, 400);
  c.Text(167, 284.5, CollapseJudgementText(JudgeScore(g)));
}

void DrawChecklistPage(PageFrame& frame, int32_t v) {
  Canvas& canvas = frame.PageCanvas();
  const double ppm = frame.PixelsPerMm();
  canvas.SetFontColour(0);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenColour(0);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(MmToUnits(0.2, ppm));
  frame.SelectFont(ReportGothicFace, 3, 1.3, 400);
  const bool plan = v != CurrentState;
  const auto points = [&](int32_t existence, int32_t found, int32_t retrofit) {
    return plan ? FormatW(u"%3i       %3i (%2i)", existence, found, retrofit)
                : FormatW(u"%3i       %3i", existence, found);
  };

  double y = 10;
  y += 15;
  const double t = y;
  DrawTextMm(canvas, ppm, 20, y, u"劣化度による低減係数");
  y += 9;
  DrawTextMm(canvas, ppm, 20, y, u" 部位 　　 材料、部材等　　　　劣化事象");
  DrawTextMm(canvas, ppm, 153, y, u"存在点数  劣化点数");
  DrawLineMm(canvas, ppm, 18, 38.5, 180, 38.5);
  static constexpr struct {
    const char16_t* text;
    int item;  // -1 none, 13 totals
    bool lower;
    double from, to;
  } Lines[21] = {
      {u" 屋根 　　 金属板　　　　　　　変退色、さび、さび穴、ずれ、めくれがある", 0, true, 33, 150},
      {u"葺き材　　 瓦・スレート　　　　割れ、欠け、ずれ、欠落がある", -1, false, 18, 180},
      {u"  樋　　　 軒・呼び樋　　    　変退色、さび、割れ、ずれ、欠落がある", 1, false, 33, 180},
      {u"　　　　　 竪樋　　　　　　　　変退色、さび、割れ、ずれ、欠落がある", 2, false, 18, 180},
      {u"　　　　　 木製板、合板　　　　水浸み痕、こけ、割れ、抜け節、ずれ、腐朽がある", -1, false, 33, 150},
      {u" 外壁 　　 窯業系サイディング　こけ、割れ、ずれ、欠落、シール切れがある", 3, false, 33, 150},
      {u"仕上げ　　 金属サイディング　　変退色、さび、さび穴、ずれ、めくれ、目地空き、シール切れがある", -1,
       false, 33, 150},
      {u"　　　　　 モルタル　　　　　　こけ、0.3mm以上の亀裂、剥落がある", -1, false, 18, 180},
      {u"　露出した躯体　               水浸み痕、こけ、腐朽、蟻道、蟻害がある", 4, false, 18, 180},
      {u"バ　　　　 木製板、合板　　　　水浸み痕、こけ、割れ、抜け節、ずれ、腐朽がある", -1, false, 33, 150},
      {u"ル 手すり  窯業系サイディング　こけ、割れ、ずれ、欠落、シール切れがある", 5, false, 33, 150},
      {u"コ   壁　  金属サイディング　　変退色、さび、さび穴、ずれ、めくれ、目地空き、シール切れがある", -1,
       false, 33, 180},
      {u"ニ　　　　 外壁との接合部　　　外壁面との接合部に亀裂、隙間、緩み、シール切れ・剥離がある", 6, false,
       23, 180},
      {u"｜ 床排水　　　　　　　　　　  壁面を伝って流れている、または排水の仕組みが無い", 7, false, 18, 180},
      {u"内 一般室  内壁、窓下　　　　　水浸み痕、はがれ、亀裂、カビがある", 8, false, 23, 180},
      {u"壁 浴室　  タイル壁　　　　　　目地の亀裂、タイルの割れがある", 9, true, 33, 150},
      {u"　　　　   タイル以外　　　　　水浸み痕、変色、亀裂、カビ、腐朽、蟻害がある", -1, false, 18, 180},
      {u"　 床面　  一般室　　　　　　　傾斜、過度の振動、床鳴りがある", 10, false, 33, 180},
      {u"床　　　　 廊下　　　　　　　　傾斜、過度の振動、床鳴りがある", 11, false, 23, 180},
      {u"　 床下　　　　　　　　　　　  基礎の亀裂や床下部材に腐朽、蟻道、蟻害がある", 12, false, 18, 180},
      {u"　　　　　　　　　　　　　　　　　　　　　　合　　計", 13, false, 18, 180},
  };
  int32_t existenceSum = 0, foundSum = 0, retrofitSum = 0;
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    existenceSum += ExistencePoints[i];
    foundSum += DeteriorationPoints[i];
    retrofitSum += RetrofitDeteriorationPoints[i];
  }
  for (const auto& line : Lines) {
    y += 6;
    DrawTextMm(canvas, ppm, 20, y, line.text);
    if (line.item == 13) {
      DrawTextMm(canvas, ppm, 155, y, points(existenceSum, foundSum, retrofitSum));
    } else if (line.item >= 0) {
      DrawTextMm(canvas, ppm, 155, line.lower ? y + 3 : y,
                 points(ExistencePoints[line.item], DeteriorationPoints[line.item],
                        RetrofitDeteriorationPoints[line.item]));
    }
    DrawLineMm(canvas, ppm, line.from, y + 4.5, line.to, y + 4.5);
  }
  y += 8;
  DrawTextMm(canvas, ppm, 20, y,
             u"劣化度による低減係数　                                   Ｄ＝１－（劣化点数／存在点数）＝");
  DrawTextMm(canvas, ppm, 160, y,
             plan ? FormatW(u"%5.3f (%5.3f)", DeteriorationFactor, RetrofitDeteriorationFactor)
                  : FormatW(u"%5.3f", DeteriorationFactor));

  DrawLineMm(canvas, ppm, 18, t + 7.5, 180, t + 7.5);
  static constexpr double Verticals[][3] = {{18, 32.5, 174.5},  {33, 32.5, 86.5},   {33, 92.5, 116.5},
                                            {33, 122.5, 158.5}, {23, 92.5, 158.5},  {59.5, 32.5, 158.5},
                                            {150, 32.5, 164.5}, {165, 32.5, 164.5}, {180, 32.5, 174.5}};
  for (const auto& l : Verticals) DrawLineMm(canvas, ppm, l[0], l[1], l[0], l[2]);
  DrawLineMm(canvas, ppm, 18, y + 6.5, 180, y + 6.5);
}

}  // namespace

int32_t JudgeScore(double score) {
  if (score >= 1.5) return 0;
  if (score >= 1.0) return 1;
  if (score >= 0.7) return 2;
  if (score >= 0) return 3;
  return 4;
}

const char16_t* CollapseJudgementText(int32_t judgementClass) {
  static constexpr const char16_t* Texts[CollapseJudgementCount] = {
      u"倒壊しない", u"一応倒壊しない", u"倒壊する可能性がある", u"倒壊する可能性が高い", u" "};
  if (judgementClass == 1 && ProjectSettings.Revision == Revision2025) return u"倒壊する可能性が低い";
  return LabelAt(Texts, CollapseJudgementCount, judgementClass);
}

std::u16string CoverCompletionDate() {
  const std::u16string year = FieldText(ProjectSettings.BuildYear[0]);
  int32_t era = EmptyEra;
  std::size_t i = 0;
  if (!year.empty() && year[0] >= u'0' && year[0] <= u'9') {
    era = year[0] - u'0';
    if (era > 6) era = EmptyEra;
    i = 1;
  }
  while (i < year.size() && (year[i] == u' ' || year[i] == u'\t')) ++i;
  std::size_t end = i;
  while (end < year.size() && year[end] != u' ' && year[end] != u'\t' && end - i < 8) ++end;
  const std::u16string yearText = year.substr(i, end - i);
  const std::u16string month = FieldText(ProjectSettings.BuildMonth[0]);
  return FormatW(
      ProjectSettings.BuildDateUnknown[0] != SettingOff ? u"%4s %4s 年 %4s 月 頃" : u"%4s %4s 年 %4s 月",
      EraNames[era], yearText.c_str(), month.c_str());
}

std::u16string CoverJointClasses(int32_t v) {
  bool present[4] = {};
  const int32_t storeys = ReportStoreyCount(v);
  for (int s = 0; s < storeys; ++s)
    for (int w = 0; w < WallCount[v][s] && w < MaxWallsPerStorey; ++w) {
      const int32_t joint = WallResults[v][s][w].Blocks[0].JointSpec;
      if (joint >= 0 && joint < 4) present[joint] = true;
    }
  static constexpr const char16_t* Names[4] = {u" Ⅰ ", u" Ⅱ ", u" Ⅲ ", u" Ⅳ "};
  std::u16string text;
  for (int k = 0; k < 4; ++k)
    if (present[k]) text += Names[k];
  return text;
}

std::u16string CoverBraceSummary(int32_t v) {
  bool nailed = false, hardware = false;
  const int32_t storeys = ReportStoreyCount(v);
  for (int s = 0; s < storeys; ++s)
    for (int w = 0; w < WallCount[v][s] && w < MaxWallsPerStorey; ++w) {
      const WallRecord& wall = Walls[v][s][w];
      if (wall.BraceKind < 3) continue;
      (wall.BraceEndJoint == 0 ? nailed : hardware) = true;
    }
  if (!nailed && !hardware) return u"筋カイ無し（不明）";
  std::u16string text;
  if (nailed) text += u"金物 無し　";
  if (hardware) text += u"金物 有り　";
  return text;
}

int32_t DrawCoverPage(PageSink& sink, double ppm, int32_t wantedPage) {
  int32_t v = CurrentVariant;
  if (v < 0 || v >= VariantCount) v = 0;
  const bool checklist = ProjectSettings.DiagnosisMethod == DiagnosisGeneral;
  PageFrame frame(sink, ppm, wantedPage);
  Canvas& canvas = frame.BeginPage();
  canvas.SetFontColour(0);
  canvas.SetBrushStyle(BrushStyle::Clear);
  Cover cover{frame, canvas, ppm};
  DrawCoverGrid(cover);
  DrawUpperHalf(cover, v);
  DrawRequiredStrengthTable(cover, v);
  DrawResultTable(cover, v);
  if (frame.HandOver(checklist)) return frame.Result();
  if (!checklist) return frame.Result();
  frame.BeginPage();
  DrawChecklistPage(frame, v);
  frame.HandOver(false);
  return frame.Result();
}
