#include "report/VerificationResultSheet.h"

#include "analysis/AnalysisResults.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/RequiredStrength.h"
#include "evaluation/Superstructure.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"

namespace {

struct SheetResults {
  const StoreyArray& RequiredStrength;
  const StoreyCaseArray& WallStrengthX;
  const StoreyCaseArray& WallStrengthY;
  const StoreyComboArray& ReductionFactorEX;
  const StoreyComboArray& ReductionFactorEY;
  const GoverningCombinationSet& Governing;
};

const SheetResults PlainResults{RequiredStrength,  WallStrengthX,     WallStrengthY,
                                ReductionFactorEX, ReductionFactorEY, GoverningCombinations};
// The other elements have no snow share: the plain ratios serve both.
const SheetResults SnowResults{RequiredStrengthSnow,  WallStrengthXSnow,     WallStrengthYSnow,
                               ReductionFactorEXSnow, ReductionFactorEYSnow, SnowGoverningCombinations};

double StoreyScore(double qr, double otherRatio, double wallStrength, double reduction) {
  if (qr == 0) return 0;
  return (qr * otherRatio + wallStrength) * reduction / qr;
}

struct Text {
  double x, y;
  const char16_t* text;
};

void DrawTexts(PageFrame& frame, double heightMm, double widthMm, std::initializer_list<Text> texts) {
  frame.SelectFont(ReportGothicFace, heightMm, widthMm, 400);
  for (const Text& t : texts) DrawTextMm(frame.PageCanvas(), frame.PixelsPerMm(), t.x, t.y, t.text);
}

}  // namespace

VerificationSheetValues VerificationSheetValuesOf(int32_t v) {
  VerificationSheetValues values;
  if (v < 0 || v >= VariantCount) v = 0;
  values.Deterioration = HeldStrengthDeterioration(v);
  values.Snow = ProjectSettings.SnowLoad != 0 && ProjectSettings.SnowCase != SnowCaseWithout;
  const SheetResults& r = values.Snow ? SnowResults : PlainResults;
  int32_t c = r.Governing.Building[v];
  if (c < 0 || c >= LoadCombinationCount) c = 0;
  const int32_t g = CombinationGroup[c];
  for (int s = 0; s < 2; ++s) {
    const double qr = r.RequiredStrength[v][s];
    values.Score[s][0] =
        StoreyScore(qr, OtherElementRatioX[v][s], r.WallStrengthX[v][s][g], r.ReductionFactorEX[v][s][c]);
    values.Score[s][1] =
        StoreyScore(qr, OtherElementRatioY[v][s], r.WallStrengthY[v][s][g], r.ReductionFactorEY[v][s][c]);
  }
  return values;
}

std::u16string VerificationScoreText(double score) { return FormatW(u"%7.2f", CutForTwoDecimals(score)); }

int32_t DrawVerificationResultSheet(PageSink& sink, double ppm, int32_t wantedPage) {
  const VerificationSheetValues values = VerificationSheetValuesOf(CurrentVariant);
  PageFrame frame(sink, ppm, wantedPage);
  Canvas& canvas = frame.BeginPage();
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenColour(0);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(MmToUnits(0.2, ppm));

  static constexpr double Rectangles[][4] = {
      {15, 45, 196, 168.5}, {32, 86, 75, 114},     {95, 96, 116, 103},  {141, 86, 184, 114},
      {40, 119, 171, 153},  {17, 189, 192.5, 231}, {15, 246, 191, 273},
  };
  for (const auto& r : Rectangles) DrawRectMm(canvas, ppm, r[0], r[1], r[2], r[3]);

  static constexpr double Lines[][4] = {
      // score tables: row and column rules
      {39, 93, 75, 93},
      {32, 100, 75, 100},
      {39, 107, 75, 107},
      {148, 93, 184, 93},
      {141, 100, 184, 100},
      {148, 107, 184, 107},
      {39, 86, 39, 114},
      {53, 86, 53, 114},
      {148, 86, 148, 114},
      {162, 86, 162, 114},
      // judgement scale
      {40, 129, 171, 129},
      {40, 135, 171, 135},
      {40, 141, 171, 141},
      {40, 147, 171, 147},
      {97, 119, 97, 153},
      // verifier box
      {15, 255, 103, 255},
      {113, 255, 191, 255},
      {15, 264, 191, 264},
      {42, 246, 42, 273},
      {103, 246, 103, 264},
      {113, 246, 113, 264},
      {139, 246, 139, 264},
      // the subtitle's underline
      {22, 53.5, 139, 53.5},
  };
  for (const auto& l : Lines) DrawLineMm(canvas, ppm, l[0], l[1], l[2], l[3]);

  canvas.SetPenStyle(PenStyle::Dot);
  DrawLineMm(canvas, ppm, 41, 196, 190, 196);
  for (double y : {203.0, 210.0, 217.0, 224.0}) DrawLineMm(canvas, ppm, 20, y, 190, y);

  DrawTexts(frame, 7, 3.5, {{57, 28, u"新耐震木造住宅検証法 結果表"}});
  DrawTexts(frame, 3, 1.5,
            {{55, 38,
              u"※本表に一般診断法の診断表とリーフレット（木造住宅の耐震性能チェック）等を添付してください"}});
  DrawTexts(frame, 4, 2, {{22, 49, u"一般診断法に準じた方法（専門家による検証）による評点と判定"}});
  DrawTexts(
      frame, 3.5, 1.75,
      {{23, 56,
        u"※一般診断法の診断表に示された各階・各方向の評点に、一般診断法に準じた方法における劣化度による低"},
       {23, 62,
        u"  減係数     （0.7、0.85、1.0 のいずれか）を乗じ、その最小値を一般診断法に準じた方法による上部構"},
       {23, 68, u"  造評点とする。"}});
  DrawTexts(frame, 2.5, 1.25, {{37, 61.5, u"※１"}});
  DrawTexts(frame, 3.5, 1.75,
            {{38, 76, u"一般診断法の診断表"},
             {45, 80, u"による評点"},
             {82, 76, u"一般診断法に準じた方法における"},
             {89, 80, u"劣化度による低減係数"},
             {146, 76, u"一般診断法に準じた方法"},
             {154, 80, u"による評点"}});
  DrawTexts(frame, 2.5, 1.25, {{172, 80, u"※２"}});
  DrawTexts(frame, 3.5, 1.75,
            {{34, 88, u"２"},
             {34, 95, u"階"},
             {34, 102, u"１"},
             {34, 108, u"階"},
             {143, 88, u"２"},
             {143, 95, u"階"},
             {143, 102, u"１"},
             {143, 108, u"階"},
             {41, 88, u"Ｘ方向"},
             {41, 95, u"Ｙ方向"},
             {41, 102, u"Ｘ方向"},
             {41, 108, u"Ｙ方向"},
             {150, 88, u"Ｘ方向"},
             {150, 95, u"Ｙ方向"},
             {150, 102, u"Ｘ方向"},
             {150, 108, u"Ｙ方向"},
             {84, 98, u"×"},
             {128, 98, u"＝"},
             {70, 115, u"一般診断法に準じた方法による評点と判定"},
             // Centred over its column (40 to 97 mm): from 49 mm it crossed the rule at 97.
             {44, 121, u"一般診断法に準じた方法による"},
             {63, 125, u"評 点"},
             {110, 121, u"一般診断法に準じた方法による"},
             {129, 125, u"判 定"},
             {42, 130, u"1.5 以上"},
             {99, 130, u"倒壊しない"},
             {42, 136, u"1.0 以上"},
             {99, 136, u"一応倒壊しない"},
             {42, 142, u"0.7 以上1.0 未満"},
             {99, 142, u"倒壊する可能性がある"},
             {42, 148, u"0.7 未満"},
             {99, 148, u"倒壊する可能性が高い"}});
  DrawTexts(
      frame, 3, 1.5,
      {{32, 158, u"※１ チェック４やチェック６から判定した一般診断法に準じた方法における劣化度による低減係数"},
       {32, 162, u"※２ 小数点第３位を切り捨て"}});
  DrawTexts(
      frame, 3.5, 1.8,
      {{20, 171,
        u"  この新耐震木造住宅検証法は、昭和５６年６月から平成１２年５月までに建築された木造住宅で、リーフ"},
       {20, 177,
        u"レット（木造住宅の耐震性能チェック）により本検証法の対象となった建物について、効率的に耐震性能を"},
       {20, 183, u"検証することを目的として作成されたものです。"}});
  DrawTexts(frame, 3.5, 1.75, {{20, 192, u"コメント欄："}});
  DrawTexts(frame, 3, 1.5, {{17, 240, u"必要に応じて以下の欄をご使用ください。"}});
  DrawTexts(frame, 3.5, 1.75,
            {{19, 249, u"検証実施者"},
             {121, 249, u"主催者"},
             {23, 258, u"所 属"},
             {115, 258, u"講習修了番号"},
             {23, 267, u"連絡先"},
             {44, 267, u"〒"},
             {140, 267, u"TEL："},
             {107, 250, u"講"},
             {107, 254, u"習"},
             {107, 258, u"会"}});

  // The values, in the body font still selected.
  if (values.Snow)
    DrawTextMm(canvas, ppm, 42, 192, FormatW(u"積雪 %4.2fｍ", ProjectSettings.SnowLoad / 0.26));
  DrawTextMm(canvas, ppm, 95, 98, FormatW(u"%7.2f", values.Deterioration));
  static constexpr struct {
    double y;
    int storey, direction;
  } Rows[4] = {{88, 1, 0}, {95, 1, 1}, {102, 0, 0}, {109, 0, 1}};
  for (const auto& row : Rows) {
    const double score = values.Score[row.storey][row.direction];
    DrawTextMm(canvas, ppm, 57, row.y, VerificationScoreText(score));
    DrawTextMm(canvas, ppm, 166, row.y, VerificationScoreText(score * values.Deterioration));
  }

  frame.HandOver(false);
  return frame.Result();
}
