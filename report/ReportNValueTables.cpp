#include <algorithm>
#include <vector>

#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "evaluation/ColumnNValues.h"
#include "evaluation/HardwareClasses.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "report/ReportLines.h"
#include "report/ReportNValue.h"

std::u16string WithoutControlCharacters(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text)
    if (c >= 0x20 && c != 0x7F) out += c;
  return out;
}

namespace {

// One share printed as a run of nine values.
struct ShareEntry {
  int32_t No = -1;
  double FromX = 0, FromY = 0;  // the handing column's A1 (PW1)
  double A = 0, B = 0;          // the split
  double X = 0, Y = 0;          // the share carried: A2/A3 (PW2/PW3)
  double Bk = 0;                // b2 (b3)
};

ShareEntry FromHandDown(const HandDownEntry& e, bool pw) {
  return {e.FromNo, pw ? e.FromPwX : e.FromAX, pw ? e.FromPwY : e.FromAY, e.DistA,
          e.DistB,  pw ? e.PwX : e.AX,         pw ? e.PwY : e.AY,         e.B};
}

// The entries of one group of a column: the result's slots, or the complete
// hand-down list when the column carries more shares than the slots hold.
struct ShareGroup {
  const ColumnResult* Result = nullptr;
  bool Top = false;
  bool Pw = false;
  const HandDownEntry* Entries = nullptr;  // the list's entries, or null for the slots
  int32_t First = -1;
  int32_t Count = 0;

  ShareEntry At(int32_t k) const {
    if (Entries) {
      int32_t i = First;
      for (int32_t j = 0; j < k && i >= 0; ++j) i = Entries[i].Next;
      return i >= 0 ? FromHandDown(Entries[i], Pw) : ShareEntry{};
    }
    const ColumnResult& r = *Result;
    if (k < 0 || k >= (Top ? TopEntryCount : UpperEntryCount)) return {};
    if (Top)
      return {r.TopNo[k],    Pw ? r.TopPwX[k] : r.TopAX[k], Pw ? r.TopPwY[k] : r.TopAY[k], r.TopDistA[k],
              r.TopDistB[k], Pw ? r.Pw3X[k] : r.A3X[k],     Pw ? r.Pw3Y[k] : r.A3Y[k],     r.B3[k]};
    return {r.UpperNo[k],
            Pw ? r.UpperPwX[k] : r.UpperAX[k],
            Pw ? r.UpperPwY[k] : r.UpperAY[k],
            r.UpperDistA[k],
            r.UpperDistB[k],
            Pw ? r.Pw2X[k] : r.A2X[k],
            Pw ? r.Pw2Y[k] : r.A2Y[k],
            r.B2[k]};
  }
};

template <int Capacity>
ShareGroup GroupOf(const ColumnResult& r, bool top, bool pw, const HandDownList<Capacity>* list, int32_t c) {
  ShareGroup g{&r, top, pw};
  const int32_t slots = top ? TopEntryCount : UpperEntryCount;
  g.Count = std::clamp(top ? r.TopCount : r.UpperCount, 0, slots);
  if (list && c >= 0 && c < MaxColumnsPerStorey && list->ColumnEntries[c] > slots && list->First[c] >= 0 &&
      list->First[c] < Capacity) {
    g.Entries = list->Entries;
    g.First = list->First[c];
    g.Count = std::min<int32_t>(list->ColumnEntries[c], Capacity);
  }
  return g;
}

std::u16string EntryText(const char16_t* format, const ShareEntry& e) {
  const double sum = e.A + e.B;
  return FormatW(format, e.No < 0 ? 0 : e.No, e.FromX, e.FromY, e.A, e.B, sum == 0 ? 0.0 : e.B / sum, e.X,
                 e.Y, e.Bk);
}

constexpr char16_t EntryFormat[] = u"    %3i%8.3f%8.3f%8.3f%8.3f%8.3f %8.3f%8.3f %6.3f";
constexpr char16_t LineEntryFormat[] = u"%3i%8.3f%8.3f%8.3f%8.3f%8.3f %8.3f%8.3f %6.3f";
constexpr char16_t TwoUpFormat[] = u"    %3i%8.3f%8.3f%8.3f%8.3f%8.3f %8.3f%8.3f %6.3f\r\n";
constexpr char16_t TwoUpLineFormat[] = u"%3i%8.3f%8.3f%8.3f%8.3f%8.3f %8.3f%8.3f %6.3f\r\n";

std::u16string SnowPrefix(int32_t u) {
  return std::u16string(41 + (u >= 1 ? 71 : 0) + (u == 2 ? 71 : 0), u' ');
}

const char16_t* AxisName(const char16_t (*names)[GridAxisNameCapacity], int32_t axis) {
  return axis >= 0 && axis < GridAxisCountX ? names[axis] : u"";
}

// The lines of column row m of storey s.
void BlockLines(std::vector<std::u16string>& lines, int32_t v, int32_t s, int32_t u, int32_t m, bool pw,
                bool snow) {
  lines.clear();
  const int32_t c = ColumnOrderX[v][s][m];
  if (c < 0 || c >= MaxColumnsPerStorey) return;
  const ColumnRecord& column = Columns[v][s][c];
  const ColumnResult& r = ColumnResults[v][s][c];
  const ColumnSnowResult& sr = ColumnSnowResults[v][s][c];

  const auto* upperList = s < StoreyCount - 1 ? &UpperHandDowns[v][s] : nullptr;
  const auto* topList = s == 0 ? &TopHandDowns[v] : nullptr;
  const ShareGroup upper = GroupOf(r, false, pw, upperList, c);
  const ShareGroup top = GroupOf(r, true, pw, topList, c);

  std::u16string main =
      FormatW(u"%3i   %-5s %-5s %8.3f%8.3f %6.3f", m + 1, AxisName(GridAxisNameX, column.X),
              AxisName(GridAxisNameY, column.Y), pw ? r.Pw1X : r.A1X, pw ? r.Pw1Y : r.A1Y, r.B1);
  if (u >= 1) main += EntryText(EntryFormat, upper.At(0));
  if (u == 2) main += EntryText(EntryFormat, top.At(0));
  // The class label in its field of 18 cells (a full-width label is not
  // padded by characters, or its row would run on by up to nine cells).
  const auto label = [pw](double x, double y) {
    const double larger = MaxDouble(x, y);
    return PadToCells(HardwareClassLabels[pw ? ClassifyTablePullOut(larger) : ClassifyTableNValue(larger)],
                      18);
  };
  const double rx = pw ? r.ToX : r.NX, ry = pw ? r.ToY : r.NY;
  main += FormatW(u"  %6.3f %8.3f%8.3f %s", r.L, rx, ry, label(rx, ry).c_str());
  lines.push_back(std::move(main));

  if (u >= 1) {
    for (int32_t k = 1; k < upper.Count; ++k) {
      std::u16string line = std::u16string(45, u' ') + EntryText(LineEntryFormat, upper.At(k));
      if (u == 2) line += EntryText(TwoUpFormat, top.At(k));
      lines.push_back(std::move(line));
    }
  }
  if (u == 2) {
    // Entry 0 of the two-up group already stands on the main line.
    for (int32_t k = std::max(upper.Count, 1); k < top.Count; ++k)
      lines.push_back(std::u16string(116, u' ') + EntryText(TwoUpLineFormat, top.At(k)));
  }
  if (snow) {
    const double sx = pw ? sr.ToX : sr.NX, sy = pw ? sr.ToY : sr.NY;
    lines.push_back(SnowPrefix(u) + FormatW(u"( %6.3f %8.3f%8.3f %s)", sr.L, sx, sy, label(sx, sy).c_str()));
  }
}

// The rows of the first of three storeys, with the two groups of shares,
// run to 231 cells (a snow line with the label "(ぬ+)Ｓ－ＨＤ２０×２"); at
// 0.83 mm a cell they end at 202 mm, inside the printable width.
constexpr double ThreeStoreyBodyWidthMm = 0.83;
// The snow note stands clear of the title above it (10 to 15 mm), which it
// would touch on the top storey's page, where it starts under the title.
constexpr double SnowNoteTopMm = 18;

}  // namespace

int32_t DrawNValueTables(PageSink& sink, double ppm, int32_t wantedPage) {
  const int32_t v = CurrentVariant >= 0 && CurrentVariant < VariantCount ? CurrentVariant : 0;
  const int32_t method = ProjectSettings.JointHardwareMethod;
  const bool pw = method == HardwareByConvertedNValue;
  const bool rows = method == HardwareByNValue || method == HardwareByConvertedNValue;
  const bool snow = ProjectSettings.SnowLoad != 0;
  const int32_t topStorey = std::clamp(ProjectSettings.TopStorey[v], 0, StoreyCount - 1);
  const int32_t pageBreakY = TruncToInt(260 * ppm);
  const int32_t sheetEnd = TruncToInt(289 * ppm);
  const int32_t lineHeight = MmToUnits(3, ppm);
  const auto step = [ppm](int32_t y, double mm) { return TruncToInt(y + mm * ppm); };

  PageFrame frame(sink, ppm, wantedPage);
  std::vector<std::u16string> lines;
  for (int32_t s = 0; s <= topStorey; ++s) {
    const int32_t u = topStorey - s;
    const std::u16string title =
        FormatW(pw ? u"%s柱変換Ｎ値（%2i階）" : u"%s柱Ｎ値（%2i階）", VariantTitlePrefixes[v], s + 1);

    std::u16string header2 = u" No.   X     Y        X       Y      b1";
    if (u >= 1) header2 += u"       No.   X       Y       a       b     b/(a+b)    X       Y      b2";
    if (u == 2) header2 += u"       No.   X       Y       a       b     b/(a+b)    X       Y      b3";
    header2 += pw ? u"\t       L       Tox     Toy" : u"      L       Nx      Ny";
    const auto header1 = [&](bool continuation) {
      std::u16string text =
          pw ? (continuation ? u" 柱     通り　           PW1" : u"柱      通り　           PW1")
             : (continuation ? u" 柱     通り　           A1" : u"柱      通り　           A1");
      if (u >= 1)
        text += pw ? u"                  上柱   上柱PW1                       分配         PW2"
                   : u"                   上柱   上柱A1                        分配         A2";
      if (u == 2)
        text += pw ? u"                  上柱   上柱PW1                       分配         PW3"
                   : u"                   上柱   上柱A1                        分配         A3";
      return text;
    };

    // Begins a page of the storey; returns the y of header line 2.
    const auto beginPage = [&](bool continuation) {
      Canvas& canvas = frame.BeginPage();
      frame.DrawTitle(title, 5, 2.5);
      frame.SelectFont(ReportGothicFace, 3, u == 2 ? ThreeStoreyBodyWidthMm : 1.2, 400);
      const int32_t x = MmToUnits(10, ppm);
      if (!continuation && snow)
        canvas.TextOut(x, MmToUnits(SnowNoteTopMm, ppm), SnowPrefix(u) + u"(   カッコ内の数値は積雪時   )");
      const int32_t y1 = step(MmToUnits(20, ppm), 4);
      canvas.TextOut(x, y1, WithoutControlCharacters(header1(continuation)));
      const int32_t y2 = step(y1, 3.5);
      canvas.TextOut(x, y2, WithoutControlCharacters(header2));
      return y2;
    };

    int32_t y = beginPage(false);
    const int32_t firstRowY = step(y, 4);
    const int32_t count = rows ? std::clamp(ColumnCount[v][s], 0, MaxColumnsPerStorey) : 0;
    for (int32_t m = 0; m < count; ++m) {
      BlockLines(lines, v, s, u, m, pw, snow);
      if (lines.empty()) continue;
      // The block's last line would end at
      int32_t last = y;
      for (std::size_t i = 0; i < lines.size(); ++i) last = step(last, 4);
      int32_t lastOnFreshPage = step(firstRowY, 0);
      for (std::size_t i = 1; i < lines.size(); ++i) lastOnFreshPage = step(lastOnFreshPage, 4);
      const bool fitsFreshPage = lastOnFreshPage + lineHeight <= sheetEnd;
      if (y > pageBreakY || (fitsFreshPage && last + lineHeight > sheetEnd && y > firstRowY)) {
        if (frame.HandOver(true)) return frame.Result();
        y = beginPage(true);
      }
      for (const std::u16string& line : lines) {
        int32_t next = step(y, 4);
        if (next + lineHeight > sheetEnd && next > firstRowY) {
          // A block taller than a page goes on line by line.
          if (frame.HandOver(true)) return frame.Result();
          y = beginPage(true);
          next = step(y, 4);
        }
        y = next;
        frame.PageCanvas().TextOut(MmToUnits(10, ppm), y, WithoutControlCharacters(line));
      }
    }
    if (frame.HandOver(s < topStorey)) return frame.Result();
  }
  return frame.Result();
}
