// The column N-value tables: title, header pieces by the number of storeys
// above, the row lines of a column with its shares from above and its snow
// line, class labels, paging (the 260 mm break, a tall block moved whole,
// running numbers) and method 2. Results are set by hand; every expected
// text and y is worked out beside the case (10.2 units/mm, which is a hair
// below 10.2 as a double: x 10 mm = 101, title (203, 101), header lines at
// trunc(203 + 40.8) = 243 and trunc(243 + 35.7) = 278, rows from 318 every 40).
#include <gtest/gtest.h>

#include "ReportTestHelpers.h"
#include "analysis/AnalysisResults.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "chain/RecalculationChain.h"
#include "evaluation/ColumnNValues.h"
#include "model/SettingChoices.h"
#include "platform/Format.h"
#include "report/ReportFamilies.h"
#include "report/ReportLines.h"
#include "report/ReportNValue.h"
#include "report/ReportPreview.h"
#include "tests/support/MaximalModel.h"

namespace {

class NValueTablesTest : public ReportTest {
 protected:
  void SetUp() override {
    ReportTest::SetUp();
    ProjectSettings.SnowLoad = 0;
    ProjectSettings.JointHardwareMethod = 0;
    ProjectSettings.TopStorey[0] = 0;
    for (int a = 0; a < 10; ++a) {
      GridAxisNameX[a][0] = u'1' + a;
      GridAxisNameX[a][1] = 0;
      GridAxisNameY[a][0] = u'A' + a;
      GridAxisNameY[a][1] = 0;
    }
    for (auto& storey : UpperHandDowns[0])
      for (auto& e : storey.ColumnEntries) e = 0;
    for (auto& e : TopHandDowns[0].ColumnEntries) e = 0;
  }
  // Column m of storey s at axes (x, y), listed as row m.
  ColumnResult& AddColumn(int s, int m, int x, int y) {
    ColumnCount[0][s] = std::max(ColumnCount[0][s], m + 1);
    Columns[0][s][m] = ColumnRecord{};
    Columns[0][s][m].X = x;
    Columns[0][s][m].Y = y;
    ColumnOrderX[0][s][m] = m;
    ColumnResults[0][s][m] = ColumnResult{};
    ColumnResult& r = ColumnResults[0][s][m];
    for (int k = 0; k < UpperEntryCount; ++k) r.UpperNo[k] = -1;
    for (int k = 0; k < TopEntryCount; ++k) r.TopNo[k] = -1;
    return r;
  }
  RecordedPage Preview(int wanted = 1) {
    RecordingPageSink preview;
    DrawNValueTables(preview, PreviewPixelsPerMm, wanted);
    return preview.Pages.back();
  }
};

std::u16string Blanks(int n) { return std::u16string(n, u' '); }

TEST_F(NValueTablesTest, OneStoreyMethodZeroAndOne) {
  ColumnResult& r = AddColumn(0, 0, 1, 3);
  r.A1X = 0.5, r.A1Y = 0.25, r.Pw1X = 2.5, r.Pw1Y = 1.25, r.B1 = 0.8, r.L = 0.4;
  r.NX = 1.2, r.NY = 0.9;    // N 1.2 reaches 1.000001, not 1.400001: class 3
  r.ToX = 9.6, r.ToY = 2.0;  // T 9.6 passes 9.53, not 14.82: class 6
  const RecordedPage page = Preview();
  const auto* title = TextAt(page, 203, 101);
  ASSERT_TRUE(title);
  EXPECT_EQ(Utf8(title->Text), "現況 柱Ｎ値（ 1階）");
  EXPECT_EQ(title->Font.Height, 50);  // 5 x 2.5 mm, each a hair below
  EXPECT_EQ(title->Font.Width, 25);
  EXPECT_EQ(title->Font.Weight, 800);
  ASSERT_TRUE(TextAt(page, 101, 243));
  EXPECT_EQ(Utf8(TextAt(page, 101, 243)->Text), "柱      通り　           A1");
  ASSERT_TRUE(TextAt(page, 101, 278));
  EXPECT_EQ(Utf8(TextAt(page, 101, 278)->Text),
            " No.   X     Y        X       Y      b1      L       Nx      Ny");
  const auto* row = TextAt(page, 101, 318);
  ASSERT_TRUE(row);
  EXPECT_EQ(Utf8(row->Text),
            "  1   2     D        0.500   0.250  0.800   0.400    1.200   0.900 (に)羽子板(釘なし)");
  // (に)羽子板(釘なし): 1 + 2 + 1 + 3 x 2 + 1 + 3 x 2 + 1 = 18 cells fill the field
  EXPECT_EQ(row->Font.Height, 30);  // 3 x 1.2 mm
  EXPECT_EQ(row->Font.Width, 12);
  EXPECT_EQ(TextsOf(page).size(), 4u);  // no snow note, no snow line

  ProjectSettings.JointHardwareMethod = 1;
  const RecordedPage converted = Preview();
  EXPECT_EQ(Utf8(TextAt(converted, 203, 101)->Text), "現況 柱変換Ｎ値（ 1階）");
  EXPECT_EQ(Utf8(TextAt(converted, 101, 243)->Text), "柱      通り　           PW1");
  // The tab of the method-1 header is left out.
  EXPECT_EQ(Utf8(TextAt(converted, 101, 278)->Text),
            " No.   X     Y        X       Y      b1       L       Tox     Toy");
  EXPECT_EQ(Utf8(TextAt(converted, 101, 318)->Text),
            "  1   2     D        2.500   1.250  0.800   0.400    9.600   2.000 (と)Ｓ－ＨＤ１５" +
                std::string(2, ' '));  // 4 + 6 x 2 cells

  ProjectSettings.JointHardwareMethod = 2;  // headers only
  const RecordedPage stress = Preview();
  EXPECT_EQ(Utf8(TextAt(stress, 203, 101)->Text), "現況 柱Ｎ値（ 1階）");
  EXPECT_EQ(Utf8(TextAt(stress, 101, 243)->Text), "柱      通り　           A1");
  EXPECT_EQ(TextsOf(stress).size(), 3u);
}

TEST_F(NValueTablesTest, ThreeStoreysWithSharesAndSnow) {
  ProjectSettings.TopStorey[0] = 2;
  ProjectSettings.SnowLoad = 0.26;
  ProjectSettings.SnowCase = 0;  // plays no part in the tables
  ColumnResult& r = AddColumn(0, 0, 0, 0);
  r.UpperCount = 2;
  r.UpperNo[0] = 3, r.UpperAX[0] = 1, r.UpperAY[0] = 2, r.UpperDistA[0] = 1, r.UpperDistB[0] = 3;
  r.A2X[0] = 0.75, r.A2Y[0] = 1.5, r.B2[0] = 0.5;
  r.UpperNo[1] = 4;  // a = b = 0: b/(a+b) 0.000
  r.TopCount = 3;
  r.TopNo[0] = 7, r.TopDistA[0] = 2, r.TopDistB[0] = 2, r.A3X[0] = 0.1;
  r.TopNo[1] = 8;
  r.TopNo[2] = 9, r.B3[2] = 0.6;
  r.L = 0.4, r.NX = 0.5, r.NY = 0.2;  // class 1 "(ろ)ＣＰＬ"
  ColumnSnowResults[0][0][0] = ColumnSnowResult{};
  ColumnSnowResults[0][0][0].L = 0.3;
  ColumnSnowResults[0][0][0].NX = 2.0;  // 2.0 reaches 1.800001: class 6
  const RecordedPage page = Preview();
  // The snow note at 18 mm (183.6), clear of the title (10 to 15 mm).
  EXPECT_EQ(Utf8(TextAt(page, 101, 183)->Text),
            Utf8(Blanks(41 + 71 + 71)) + "(   カッコ内の数値は積雪時   )");
  EXPECT_EQ(
      Utf8(TextAt(page, 101, 243)->Text),
      "柱      通り　           A1                   上柱   上柱A1                        分配         A2"
      "                   上柱   上柱A1                        分配         A3");
  EXPECT_EQ(
      Utf8(TextAt(page, 101, 278)->Text),
      " No.   X     Y        X       Y      b1       No.   X       Y       a       b     b/(a+b)    X       "
      "Y      b2       No.   X       Y       a       b     b/(a+b)    X       Y      b3      L       Nx      "
      "Ny");
  const auto* main = TextAt(page, 101, 318);
  ASSERT_TRUE(main);
  EXPECT_EQ(main->Font.Width, 8);  // 0.83 mm: 8.466
  EXPECT_EQ(Utf8(main->Text),
            "  1   1     A        0.000   0.000  0.000"
            "      3   1.000   2.000   1.000   3.000   0.750    0.750   1.500  0.500"
            "      7   0.000   0.000   2.000   2.000   0.500    0.100   0.000  0.000"
            "   0.400    0.500   0.200 (ろ)ＣＰＬ" +
                std::string(8, ' '));  // 4 + 3 x 2 cells padded to 18
  // Upper entry 1 with two-up entry 1 beside it (its CR LF left out).
  EXPECT_EQ(Utf8(TextAt(page, 101, 358)->Text),
            std::string(45, ' ') +
                "  4   0.000   0.000   0.000   0.000   0.000    0.000   0.000  0.000"
                "      8   0.000   0.000   0.000   0.000   0.000    0.000   0.000  0.000");
  // Two-up entry 2 alone under its group.
  EXPECT_EQ(Utf8(TextAt(page, 101, 398)->Text),
            std::string(116, ' ') + "  9   0.000   0.000   0.000   0.000   0.000    0.000   0.000  0.600");
  EXPECT_EQ(Utf8(TextAt(page, 101, 438)->Text),
            Utf8(Blanks(183)) + "(  0.300    2.000   0.000 (と)Ｓ－ＨＤ１５" + std::string(2, ' ') + ")");
  EXPECT_EQ(TextsOf(page).size(), 8u);

  // Storey 2 has one storey above it: width 1.2 mm, groups up to A2.
  const RecordedPage second = Preview(2);
  EXPECT_EQ(Utf8(TextAt(second, 203, 101)->Text), "現況 柱Ｎ値（ 2階）");
  EXPECT_EQ(Utf8(TextAt(second, 101, 183)->Text), Utf8(Blanks(41 + 71)) + "(   カッコ内の数値は積雪時   )");
  EXPECT_EQ(TextAt(second, 101, 243)->Font.Width, 12);
}

// The longest label, "(ぬ+)Ｓ－ＨＤ２０×２" (5 + 8 x 2 = 21 cells, longer than
// its field of 18), on the main and the snow line of the first storey under
// none, one and two storeys. The lines end inside the printable width
// (204.05 mm of the layout), and the snow note stands below the title.
TEST_F(NValueTablesTest, TheLongestLabelKeepsEveryLineInsideThePrintableWidth) {
  struct Case {
    int top;
    int cells;       // of the snow line, the longest
    double widthMm;  // of a cell
    int32_t units;   // the width at 100 units/mm, truncated
  };
  // Snow line: the blanks before L (41, + 71 per storey above), "( ", L and
  // the pair (6 + 1 + 8 + 8), a blank, the label and ")".
  const Case cases[] = {
      // 89 cells, ends at 10 + 106.8 = 116.8 mm; 1.2 x 100 is a hair below 120
      {0, 41 + 2 + 23 + 1 + 21 + 1, 1.2, 119},
      {1, 41 + 71 + 2 + 23 + 1 + 21 + 1, 1.2, 119},       // 160 cells, 10 + 192 = 202 mm
      {2, 41 + 71 + 71 + 2 + 23 + 1 + 21 + 1, 0.83, 82},  // 231 cells, 10 + 191.73 = 201.73 mm
  };
  constexpr double Ppm = 100;
  for (const Case& c : cases) {
    SetUp();
    ProjectSettings.TopStorey[0] = c.top;
    ProjectSettings.SnowLoad = 0.26;
    ColumnResult& r = AddColumn(0, 0, 0, 0);
    r.NX = 7.0;  // passes 5.600001, not 7.500001: class 10
    ColumnSnowResults[0][0][0] = ColumnSnowResult{};
    ColumnSnowResults[0][0][0].NX = 7.0;
    RecordingPageSink preview;
    DrawNValueTables(preview, Ppm, 1);
    const RecordedPage& page = preview.Pages.back();
    const auto texts = TextsOf(page);
    ASSERT_EQ(texts.size(), 6u) << c.top;  // title, note, headers, main and snow line
    const auto* snowLine = texts.back();
    EXPECT_EQ(CellsOf(snowLine->Text), c.cells) << c.top;
    EXPECT_EQ(snowLine->Font.Width, c.units) << c.top;
    EXPECT_NE(Utf8(snowLine->Text).find("(ぬ+)Ｓ－ＨＤ２０×２)"), std::string::npos) << c.top;
    for (const auto* t : texts) {
      const double rightMm = t->Args[0] / Ppm + CellsOf(t->Text) * (t == texts[0] ? 2.5 : c.widthMm);
      EXPECT_LE(rightMm, 204.05) << c.top << ": " << Utf8(t->Text);
    }
    // The note's top (18 mm) is below the title's bottom (10 + 5 mm).
    EXPECT_EQ(texts[1]->Args[1], 1800) << c.top;
    EXPECT_GE(texts[1]->Args[1], texts[0]->Args[1] + texts[0]->Font.Height) << c.top;
  }
}

TEST_F(NValueTablesTest, TwoUpEntryZeroWithoutUpperEntriesIsPrintedOnce) {
  ProjectSettings.TopStorey[0] = 2;
  ColumnResult& r = AddColumn(0, 0, 0, 0);
  r.TopCount = 2;
  r.TopNo[0] = 5;
  r.TopNo[1] = 6;
  const RecordedPage page = Preview();
  const auto texts = TextsOf(page);
  ASSERT_EQ(texts.size(), 5u);  // title, two headers, main line, one two-up line
  EXPECT_EQ(Utf8(texts[4]->Text).substr(116, 3), "  6");
}

TEST_F(NValueTablesTest, AColumnWithNineUpperSharesPrintsAllNine) {
  ProjectSettings.TopStorey[0] = 1;
  ColumnResult& r = AddColumn(0, 0, 0, 0);
  r.UpperCount = UpperEntryCount;  // the slots hold the first eight
  auto& list = UpperHandDowns[0][0];
  list.Count = 9;
  list.First[0] = 0;
  list.Last[0] = 8;
  list.ColumnEntries[0] = 9;
  for (int k = 0; k < 9; ++k) {
    HandDownEntry& e = list.Entries[k];
    e = HandDownEntry{};
    e.Column = 0;
    e.Next = k < 8 ? k + 1 : -1;
    e.FromNo = 11 + k;
    e.AX = 0.125 * k;
  }
  const RecordedPage page = Preview();
  const auto texts = TextsOf(page);
  ASSERT_EQ(texts.size(), 3u + 9u);
  EXPECT_EQ(Utf8(texts[3]->Text).substr(41, 7), "     11");
  for (int k = 1; k < 9; ++k) {
    EXPECT_EQ(texts[3 + k]->Args[1], 318 + 40 * k);
    const std::string line = Utf8(texts[3 + k]->Text);
    EXPECT_EQ(line.substr(45, 3), " " + std::to_string(11 + k)) << k;
  }
  EXPECT_EQ(Utf8(texts[11]->Text).substr(45 + 3 + 41, 8), "   1.000");  // A2X of share 9: 0.125 x 8
}

TEST_F(NValueTablesTest, PagingAt260MmWithRunningNumbers) {
  for (int m = 0; m < 61; ++m) AddColumn(0, m, m % 10, 0);
  // Rows at 318 + 40k: row 59 at 2678 is the first below 260 mm (2651), still
  // drawn; row 60 starts the continuation page.
  RecordingPageSink preview;
  EXPECT_EQ(DrawNValueTables(preview, PreviewPixelsPerMm, 1), 1);
  const auto first = TextsOf(preview.Pages.back());
  ASSERT_EQ(first.size(), 3u + 60u);
  EXPECT_EQ(first.back()->Args[1], 2678);
  EXPECT_EQ(Utf8(first.back()->Text).substr(0, 3), " 60");

  const RecordedPage second = Preview(2);
  const auto texts = TextsOf(second);
  ASSERT_EQ(texts.size(), 4u);  // title, continuation headers, row 61
  EXPECT_EQ(Utf8(texts[0]->Text), "現況 柱Ｎ値（ 1階）");
  EXPECT_EQ(Utf8(TextAt(second, 101, 243)->Text), " 柱     通り　           A1");
  EXPECT_EQ(Utf8(TextAt(second, 101, 318)->Text).substr(0, 3), " 61");

  // WantedPage 1 .. 3 of two pages: 1, 0, 0.
  for (const auto& [wanted, result] : {std::pair{1, 1}, {2, 0}, {3, 0}}) {
    RecordingPageSink p;
    EXPECT_EQ(DrawNValueTables(p, PreviewPixelsPerMm, wanted), result) << wanted;
  }
  // Printing: two pages, one new sheet between them.
  RecordingPageSink printer;
  EXPECT_EQ(DrawNValueTables(printer, 10.2, 0), 0);
  EXPECT_EQ(printer.Events, (std::vector<std::string>{"page", "new", "page"}));
}

TEST_F(NValueTablesTest, ATallBlockThatWouldRunOffTheSheetMovesWhole) {
  ProjectSettings.TopStorey[0] = 1;
  ProjectSettings.SnowLoad = 0.26;
  // 23 blocks of two lines end at 279 + 80 x 23 = 2118 (<= 2652); the 24th
  // block has 21 lines (main, 19 further shares, snow) ending at 2118 + 840 =
  // 2959, whose text would reach 2989, past 289 mm (2947): it moves whole.
  for (int m = 0; m < 24; ++m) AddColumn(0, m, 0, 0);
  auto& list = UpperHandDowns[0][0];
  list.First[23] = 0;
  list.ColumnEntries[23] = 20;
  ColumnResults[0][0][23].UpperCount = UpperEntryCount;
  for (int k = 0; k < 20; ++k) {
    list.Entries[k] = HandDownEntry{};
    list.Entries[k].Column = 23;
    list.Entries[k].Next = k < 19 ? k + 1 : -1;
    list.Entries[k].FromNo = 1;
  }
  RecordingPageSink preview;
  EXPECT_EQ(DrawNValueTables(preview, PreviewPixelsPerMm, 1), 1);
  const auto first = TextsOf(preview.Pages.back());
  ASSERT_EQ(first.size(), 4u + 46u);  // title, snow note, headers, 23 x 2 lines
  EXPECT_EQ(first.back()->Args[1], 2118);
  const RecordedPage secondPage = Preview(2);
  const auto second = TextsOf(secondPage);
  ASSERT_EQ(second.size(), 3u + 21u);  // no snow note on a continuation page
  EXPECT_EQ(Utf8(second[3]->Text).substr(0, 3), " 24");
  EXPECT_EQ(second[3]->Args[1], 318);
  EXPECT_EQ(second.back()->Args[1], 318 + 40 * 20);
}

// One crossed 90x90 wall between columns at (1,1) and (2,1) of a one-storey
// plan, N-values by the wall factors, run through the chain: each column's A1X
// is the law's 5 for the brace (not 2 x 3), with no end correction for a
// crossed brace alone; A1Y 0. Both ends of the lone wall are outer corners
// without floor: b1 0.8, L 0.4, Nx = 5 x 0.8 - 0.4 = 3.6, class (ち) (2 x 3
// would give 4.4 and (り)); Ny = -0.4.
TEST_F(NValueTablesTest, ACrossed90x90WallPrintsTheLawsFactor) {
  ProjectSettings.NValueWallFactor = NValueDefinedFactorsOnly;
  for (const int x : {1, 2}) {
    ColumnRecord& c = Columns[0][0][ColumnCount[0][0]++];
    c = ColumnRecord{};
    c.X = x, c.Y = 1, c.Type = 1, c.Deterioration = 2;
  }
  WallRecord& w = Walls[0][0][WallCount[0][0]++];
  w = WallRecord{};
  w.X1 = 1, w.Y1 = 1, w.X2 = 2, w.Y2 = 1, w.Deterioration = 2;
  w.BraceKind = 6, w.BraceEndJoint = 3, w.BraceArrangement = 1;
  UpdateUsedExtents();
  RunRecalculationChain();
  RunRecalculationChain();
  const RecordedPage page = Preview();
  for (int row = 0; row < 2; ++row) {
    const auto* text = TextAt(page, 101, 318 + 40 * row);
    ASSERT_TRUE(text);
    const std::string printed = Utf8(text->Text);
    EXPECT_EQ(printed.substr(0, 3), row == 0 ? "  1" : "  2");
    EXPECT_NE(printed.find("5.000   0.000  0.800   0.400    3.600  -0.400 (ち)"), std::string::npos)
        << printed;
  }
}

TEST_F(NValueTablesTest, AHouseRunThroughTheChainListsEveryColumn) {
  BuildTypicalHouse();
  ProjectSettings.JointHardwareMethod = 0;
  RunRecalculationChain();
  RunRecalculationChain();
  ASSERT_EQ(ProjectSettings.TopStorey[0], 1);
  for (int s = 0; s < 2; ++s) {
    RecordingPageSink preview;
    DrawNValueTables(preview, PreviewPixelsPerMm, s + 1);
    const RecordedPage& page = preview.Pages.back();
    ASSERT_GT(ColumnCount[0][s], 0);
    // The first row is the first column by X then Y axis.
    const int c = ColumnOrderX[0][s][0];
    const ColumnResult& r = ColumnResults[0][s][c];
    const auto* row = TextAt(page, 101, 318);
    ASSERT_TRUE(row);
    const std::string text = Utf8(row->Text);
    EXPECT_EQ(text.substr(0, 3), "  1");
    EXPECT_NE(text.find(Utf8(FormatW(u"%8.3f%8.3f", r.NX, r.NY))), std::string::npos) << text;
  }
}

}  // namespace
