// The oldest project files, magic "yt8": the diagnosis layout (".ty0") and
// the retrofit layout (".ty2"). Both hold 100 axes per direction, which land on
// axes 50 to 149, and wall and floor codes of their own that are converted
// here into the fields of the current records.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

#include "files/ProjectFile.h"
#include "files/ProjectFileLayout.h"
#include "model/Grid.h"

namespace {

// ---------------------------------------------------------------------------
// Code conversion tables: an old code (the index) gives a current value;
// codes not listed give 0, codes outside the table make the file broken.

struct CodeRange {
  int32_t First, Last, Value, Step = 1;
};

template <int N>
struct CodeTable {
  int32_t Value[N];

  bool Convert(int32_t code, int32_t& out) const {
    if (code < 0 || code >= N) return false;
    out = Value[code];
    return true;
  }
};

template <int N, std::size_t M>
constexpr CodeTable<N> MakeTable(const CodeRange (&ranges)[M]) {
  CodeTable<N> t{};
  for (const CodeRange& r : ranges)
    for (int32_t c = r.First; c <= r.Last; c += r.Step) t.Value[c] = r.Value;
  return t;
}

// The tables of one layout for the brace code, the mud-wall code and the two
// panel codes of a wall.
template <int BraceCodes, int MudWallCodes, int PanelCodes>
struct WallCodeTables {
  CodeTable<BraceCodes> BraceKind, BraceArrangement, BraceEndJoint;
  CodeTable<MudWallCodes> MudWall;
  CodeTable<PanelCodes> Panel, Furring;
};

// Diagnosis layout: tables of codes 0 to 59 (the opening kind is stored as it is).
constexpr CodeRange kDiagnosisBraceKind[] = {{1, 1, 1},   {6, 7, 2},   {8, 11, 3},
                                             {12, 15, 4}, {16, 19, 5}, {20, 23, 6}};
constexpr CodeRange kDiagnosisBraceArrangement[] = {{7, 23, 1, 2}};
constexpr CodeRange kDiagnosisBraceEndJoint[] = {{10, 11, 3}, {14, 15, 3}, {18, 19, 3}, {22, 23, 3}};
constexpr CodeRange kDiagnosisMudWall[] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}};
constexpr CodeRange kDiagnosisPanel[] = {{1, 1, 1},    {24, 25, 2},  {26, 27, 3},  {28, 29, 7},
                                         {30, 31, 10}, {32, 33, 12}, {36, 37, 11}, {42, 43, 13},
                                         {44, 45, 14}, {46, 46, 15}, {47, 48, 16}, {49, 50, 26},
                                         {51, 52, 27}, {53, 54, 6},  {55, 56, 27}};
constexpr CodeRange kDiagnosisFurring[] = {{1, 1, 1},      {25, 33, 1, 2}, {37, 37, 1},
                                           {43, 45, 1, 2}, {48, 52, 1, 2}, {56, 56, 1}};

constexpr WallCodeTables<60, 60, 60> kDiagnosisWallCodes{
    MakeTable<60>(kDiagnosisBraceKind),     MakeTable<60>(kDiagnosisBraceArrangement),
    MakeTable<60>(kDiagnosisBraceEndJoint), MakeTable<60>(kDiagnosisMudWall),
    MakeTable<60>(kDiagnosisPanel),         MakeTable<60>(kDiagnosisFurring)};

// Retrofit layout.
constexpr CodeRange kRetrofitOpening[] = {{1, 3, 1}, {4, 6, 2}, {8, 10, 1}, {11, 13, 2}, {14, 14, 3}};
constexpr CodeRange kRetrofitBraceKind[] = {{12, 23, 1}, {24, 35, 2}, {36, 47, 3},
                                            {48, 59, 4}, {60, 71, 5}, {72, 83, 6}};
constexpr CodeRange kRetrofitBraceArrangement[] = {{27, 83, 1, 4}};
constexpr CodeRange kRetrofitBraceEndJoint[] = {{24, 47, 3}, {56, 59, 3}, {64, 67, 1},
                                                {68, 71, 3}, {76, 79, 1}, {80, 83, 3}};
constexpr CodeRange kRetrofitMudWall[] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}};
constexpr CodeRange kRetrofitPanel[] = {{2, 3, 1},    {4, 5, 2},    {6, 7, 3},    {8, 9, 7},    {10, 11, 10},
                                        {12, 13, 12}, {16, 17, 11}, {22, 23, 13}, {24, 25, 14}, {26, 27, 15},
                                        {28, 29, 16}, {30, 31, 21}, {32, 33, 29}, {34, 35, 19}, {36, 37, 6},
                                        {40, 41, 8},  {42, 43, 24}, {44, 45, 2},  {46, 47, 26}, {48, 49, 27},
                                        {50, 51, 5},  {54, 55, 26}, {56, 57, 27}, {58, 59, 4}};
constexpr CodeRange kRetrofitFurring[] = {{5, 59, 1, 2}};

constexpr CodeTable<15> kRetrofitOpeningTable = MakeTable<15>(kRetrofitOpening);
constexpr WallCodeTables<84, 6, 70> kRetrofitWallCodes{
    MakeTable<84>(kRetrofitBraceKind),     MakeTable<84>(kRetrofitBraceArrangement),
    MakeTable<84>(kRetrofitBraceEndJoint), MakeTable<6>(kRetrofitMudWall),
    MakeTable<70>(kRetrofitPanel),         MakeTable<70>(kRetrofitFurring)};

// ---------------------------------------------------------------------------

enum class Yt8Layout { Diagnosis, Retrofit };

// The first old axis lands on axis 50, at 45.5 m.
constexpr int32_t kAxisShift = 50;
constexpr int kOldAxisCount = 100;
constexpr double kOldAxisOrigin = 45.5;

template <std::size_t N>
void Text8(FieldReader& s, char16_t (&text)[N], std::size_t n) {
  s.Text8(text, N, n);
}

// Grid-axis indices of a record line; the old axis k is the axis k + 50.
template <class... Ints>
void Points(FieldReader& s, Ints&... indices) {
  ((s.Int(indices, 5), indices += kAxisShift), ...);
}

bool OnGrid(int32_t x, int32_t y) { return IsGridIndexX(x) && IsGridIndexY(y); }

// The end points of a wall line read as plain numbers w0..w3.
void ShiftEnds(WallRecord& r, const int32_t* w) {
  r.X1 = w[0] + kAxisShift;
  r.Y1 = w[1] + kAxisShift;
  r.X2 = w[2] + kAxisShift;
  r.Y2 = w[3] + kAxisShift;
}

// Brace, mud-wall, panel and furring fields from the old codes (w5, w6, w7).
template <class Tables>
bool ConvertWallElements(WallRecord& r, int32_t w5, int32_t w6, int32_t w7, const Tables& t) {
  const int32_t brace = w5 % 128;
  const int32_t mud = w5 / 128;
  return t.BraceKind.Convert(brace, r.BraceKind) && t.BraceArrangement.Convert(brace, r.BraceArrangement) &&
         t.BraceEndJoint.Convert(brace, r.BraceEndJoint) && t.MudWall.Convert(mud, r.MudWallKind) &&
         t.Panel.Convert(w6, r.PanelLeft) && t.Furring.Convert(w6, r.FurringLeft) &&
         t.Panel.Convert(w7, r.PanelRight) && t.Furring.Convert(w7, r.FurringRight);
}

// Each reader fills a zeroed record from one line and converts its codes; it
// returns false for a code that no table knows or a point off the grid.

bool ReadColumn(FieldReader& s, Yt8Layout layout, ColumnRecord& r) {
  Points(s, r.X, r.Y);
  Ints5(s, r.Type, r.Hardware);
  if (layout == Yt8Layout::Retrofit) s.Skip(5);
  s.Nul();
  r.Deterioration = 2;
  return true;
}

bool ReadDiagnosisWall(FieldReader& s, WallRecord& r) {
  int32_t w[11] = {};
  for (int32_t& v : w) s.Int(v, 5);
  s.Nul();
  ShiftEnds(r, w);
  r.OpeningKind = w[4];
  if (!ConvertWallElements(r, w[5], w[6], w[7], kDiagnosisWallCodes)) return false;
  const int32_t f = w[9];
  if (f < 0 || !OnGrid(r.X1, r.Y1) || !OnGrid(r.X2, r.Y2)) return false;
  r.FittingSymbol = f / 16;
  r.FlipLeftRight = f % 16 / 8;
  r.FlipInOut = f % 8 / 4;
  const double length = std::hypot(GridAxisX[r.X2] - GridAxisX[r.X1], GridAxisY[r.Y2] - GridAxisY[r.Y1]);
  switch (f % 4) {
    case 1:
      r.WingWallEnd = length / 2;
      break;
    case 2:
      r.WingWallStart = length / 2;
      break;
    case 3:
      r.WingWallStart = r.WingWallEnd = length / 4;
      break;
    default:
      break;
  }
  r.Deterioration = 2;
  return true;
}

bool ReadRetrofitWall(FieldReader& s, WallRecord& r) {
  int32_t w[12] = {};
  for (int32_t& v : w) s.Int(v, 5);
  s.Nul();
  ShiftEnds(r, w);
  r.Deterioration = w[9];
  return kRetrofitOpeningTable.Convert(w[4], r.OpeningKind) &&
         ConvertWallElements(r, w[5], w[6], w[7], kRetrofitWallCodes);
}

template <class Area>
bool ReadArea(FieldReader& s, Area& r) {
  if constexpr (requires { r.X3; })
    Points(s, r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3);
  else
    Points(s, r.X1, r.Y1, r.X2, r.Y2);
  s.Int(r.AreaCode, 5);
  s.Nul();
  ApplyStoredAreaWeightClass(r);
  return true;
}

int32_t ConvertSpecCode(Yt8Layout layout, int32_t c) {
  if (layout == Yt8Layout::Diagnosis) {
    constexpr int32_t kSpecCodes[] = {3, 233, 9};
    return c >= 0 && c <= 2 ? kSpecCodes[c] : c;
  }
  int32_t braceRow = c / 32;
  if (braceRow > 0) braceRow -= 16;
  return c % 32 + 32 * braceRow;
}

template <class FloorSpec>
bool ReadFloorSpec(FieldReader& s, Yt8Layout layout, FloorSpec& r) {
  if constexpr (requires { r.X3; })
    Points(s, r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3);
  else
    Points(s, r.X1, r.Y1, r.X2, r.Y2);
  int32_t code = 0;
  s.Int(code, 5);
  s.Nul();
  r.SpecCode = ConvertSpecCode(layout, code);
  return true;
}

bool ReadTextLabel(FieldReader& s, TextLabelRecord& r) {
  Points(s, r.X1, r.Y1, r.X2, r.Y2);
  s.Word8(r.Text, TextLabelCapacity, 31);
  return true;
}

bool ReadFoundation(FieldReader& s, FoundationRecord& r) {
  Points(s, r.X1, r.Y1, r.X2, r.Y2);
  s.Int(r.Type, 5);
  s.Nul();
  return true;
}

bool ReadFreeLine(FieldReader& s, Yt8Layout layout, FreeLineRecord& r) {
  Points(s, r.X1, r.Y1, r.X2, r.Y2);
  if (layout == Yt8Layout::Retrofit)
    for (double* offset : {&r.OffsetX1, &r.OffsetY1, &r.OffsetX2, &r.OffsetY2}) s.Fixed(*offset, 7, 3);
  s.Int(r.Style, 1);
  s.Int(r.Colour, 8);
  s.Nul();
  return true;
}

bool ReadSpareKind12(FieldReader& s, SpareKind12Record& r) {
  Points(s, r.X1, r.Y1, r.X2, r.Y2);
  s.Int(r.Param, 5);
  s.Nul();
  return true;
}

// Reads count[v][st] records of one kind with readLine.
template <class Record, int Max, class ReadLine>
bool ReadList(FieldReader& s, Record (&records)[ModelSlotCount][StoreyCount][Max],
              int32_t (&count)[ModelSlotCount][StoreyCount], const ElementCounts& counts, ElementKind kind,
              ReadLine readLine) {
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st)
      for (int i = 0; i < counts.Of[static_cast<int>(kind)][v][st]; ++i) {
        Record r{};
        if (!readLine(r)) s.Fail();
        if (!AppendReadRecord(s, r, records, count, v, st)) return false;
      }
  return true;
}

// Items 33 to 35 of the diagnosis layout, 2 to 4 of the retrofit layout.
bool ReadGrid(FieldReader& s) {
  GridData g = CaptureGrid();
  for (double* axes : {g.X, g.Y})
    for (int i = kAxisShift; i < kAxisShift + kOldAxisCount; ++i) {
      MilliNul(s, axes[i]);
      axes[i] += kOldAxisOrigin;
    }
  for (int32_t* kinds : {g.KindX, g.KindY})
    for (int i = kAxisShift; i < kAxisShift + kOldAxisCount; ++i) IntNul(s, kinds[i]);
  MilliNul(s, g.Module);
  for (int i = kAxisShift + kOldAxisCount; i < GridAxisCountX; ++i) g.X[i] = g.X[i - 1] + g.Module;
  for (int i = kAxisShift + kOldAxisCount; i < GridAxisCountY; ++i) g.Y[i] = g.Y[i - 1] + g.Module;
  if (!s.Ok() || !IsValid(g)) return false;
  Commit(g);
  return true;
}

// The count lines and the record lines.
bool ReadElements(FieldReader& s, Yt8Layout layout) {
  using enum ElementKind;
  const bool retrofit = layout == Yt8Layout::Retrofit;
  constexpr ElementKind kCountOrder[] = {
      Column,    Wall,       RoofFloorRect, FloorSpecRect, RoofFloorTriangle, FloorSpecTriangle,
      TextLabel, Foundation, FreeLine,      SpareKind12};
  const int kindsInFile = retrofit ? 10 : 9;
  ElementCounts counts{};
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st) {
      for (int k = 0; k < kindsInFile; ++k) s.Int(counts.Of[static_cast<int>(kCountOrder[k])][v][st], 5);
      s.Nul();
    }
  if (!s.Ok() || !IsValid(counts)) return false;
  EmptyVariantLists();

  auto wall = [&](WallRecord& r) { return retrofit ? ReadRetrofitWall(s, r) : ReadDiagnosisWall(s, r); };
  auto area = [&](auto& r) { return ReadArea(s, r); };
  auto floorSpec = [&](auto& r) { return ReadFloorSpec(s, layout, r); };
  return ReadList(s, Columns, ColumnCount, counts, Column,
                  [&](ColumnRecord& r) { return ReadColumn(s, layout, r); }) &&
         ReadList(s, Walls, WallCount, counts, Wall, wall) &&
         ReadList(s, RoofFloorRects, RoofFloorRectCount, counts, RoofFloorRect, area) &&
         ReadList(s, RoofFloorTriangles, RoofFloorTriangleCount, counts, RoofFloorTriangle, area) &&
         ReadList(s, FloorSpecRects, FloorSpecRectCount, counts, FloorSpecRect, floorSpec) &&
         ReadList(s, FloorSpecTriangles, FloorSpecTriangleCount, counts, FloorSpecTriangle, floorSpec) &&
         ReadList(s, TextLabels, TextLabelCount, counts, TextLabel,
                  [&](TextLabelRecord& r) { return ReadTextLabel(s, r); }) &&
         ReadList(s, Foundations, FoundationCount, counts, Foundation,
                  [&](FoundationRecord& r) { return ReadFoundation(s, r); }) &&
         ReadList(s, FreeLines, FreeLineCount, counts, FreeLine,
                  [&](FreeLineRecord& r) { return ReadFreeLine(s, layout, r); }) &&
         ReadList(s, SpareKind12Records, SpareKind12Count, counts, SpareKind12,
                  [&](SpareKind12Record& r) { return ReadSpareKind12(s, r); });
}

// Items 1 to 32 of the diagnosis layout.
bool ReadDiagnosisOutline(FieldReader& s) {
  ProjectSettingsData p = ProjectSettings;
  p.Revision = 0;
  p.DiagnosisMethod = 2;
  p.MixedStructure = 0;
  Text8(s, p.ClientAddress, 81);
  Text8(s, p.ClientName, 81);
  Text8(s, p.ClientTel, 17);
  s.Skip(17);
  Text8(s, p.BuildingUseOther, 33);
  s.Skip(409);
  Text8(s, p.SiteAddress, 81);
  for (int32_t& v : p.TopStorey) IntNul(s, v);
  s.Skip(492);
  for (int32_t& v : p.WeightClass) IntNul(s, v);
  s.Skip(36);
  for (auto& text : p.BuildYear) Text8(s, text, 11);
  for (auto& text : p.BuildMonth) Text8(s, text, 11);
  for (auto& text : p.SpareDateText) Text8(s, text, 11);
  for (int32_t& v : p.BuildDateUnknown) IntNul(s, v);
  for (int32_t& v : p.RenovationDone) IntNul(s, v);
  TransferFloorAreas(s, p);
  IntNul(s, p.BuildingUse);
  s.Skip(6);
  MilliNul(s, p.RegionFactorZ);
  s.Skip(17);
  MilliNul(s, p.SnowLoad);
  s.Skip(486);
  IntNul(s, p.GroundClass);
  s.Skip(427);
  IntNul(s, p.FoundationType);
  IntNul(s, p.FoundationCracks);
  IntNul(s, p.FoundationTieBeams);
  Text8(s, p.FoundationNote, 81);
  Text8(s, p.CrackLocation, 81);
  Ints5(s, p.CrackCause[0], p.CrackCause[1], p.CrackCause[2]);
  s.Nul();
  Text8(s, p.CrackCauseText, 81);
  IntNul(s, p.FloorMaterial);
  s.Skip(81);
  TransferDeteriorationFields(s, p, DeteriorationLayout::Diagnosis,
                              [&s](char16_t(&t)[80]) { Text8(s, t, 81); });
  IntNul(s, p.AtticStorage[0]);
  s.Skip(346);
  Ints5(s, p.DeteriorationAnswer[16], p.HorizontalBraces);
  s.Skip(11);
  s.Skip(4390);
  if (!s.Ok() || !AreValidSettings(p)) return false;
  ProjectSettings = p;
  return true;
}

// Item 1 of the retrofit layout: the user rows 34 to 43 of the panel table.
bool ReadRetrofitPanelRows(FieldReader& s) {
  WallElementTables t = CaptureWallElementTables();
  for (int i = 34; i < 44; ++i) {
    PanelSpecRow& row = t.Panel[i];
    // The field has room for five bytes; a symbol keeps the characters that
    // the current layout stores, so that it reads the same after a save.
    s.Word8(row.Symbol, TableSymbolCharacters + 1, 5);
    std::fill(std::begin(row.Symbol) + TableSymbolCharacters, std::end(row.Symbol), u'\0');
    MilliNul(s, row.Strength);
    MilliNul(s, row.Stiffness);
    MilliNul(s, row.WallFactor);
    s.Word8(row.Name, PanelNameCapacity, 23);
  }
  if (!s.Ok() || !IsValid(t)) return false;
  Commit(t);
  return true;
}

// Items 7 to 23 of the retrofit layout.
bool ReadRetrofitOutline(FieldReader& s) {
  ProjectSettingsData p = ProjectSettings;
  int32_t unused = 0, method = 0;
  Ints5(s, unused, p.Revision, method);
  s.Nul();
  p.Revision = 0;
  switch (method) {
    case 0:
      p.DiagnosisMethod = 1;
      p.RequiredStrengthMethod = 2;
      break;
    case 1:
      p.DiagnosisMethod = 2;
      p.RequiredStrengthMethod = 2;
      break;
    case 2:
      p.DiagnosisMethod = 2;
      p.RequiredStrengthMethod = 3;
      break;
    default:
      p.DiagnosisMethod = method;
      break;
  }
  TransferOutlineTexts(s, p);
  TransferUseAndDates(s, p);
  TransferSiteAndVariants(s, p);
  s.Skip(114);
  IntNul(s, p.GroundClass);
  s.Skip(346);
  TransferFoundation(s, p);
  s.Skip(43);
  TransferFloorGroup(s, p);
  TransferDeteriorationPage(s, p);
  s.Skip(15194);
  TransferStoreyHeights(s, p);
  if (!s.Ok() || !AreValidSettings(p)) return false;
  ProjectSettings = p;
  return true;
}

bool ReadYt8(std::span<const unsigned char> afterMagic, Yt8Layout layout) {
  FieldReader s(afterMagic, FieldWidths::Yta);
  bool complete;
  if (layout == Yt8Layout::Diagnosis) {
    complete = ReadDiagnosisOutline(s) && ReadGrid(s) && ReadElements(s, layout);
    s.Skip(3359);
    complete = complete && s.Ok();
  } else {
    complete = ReadRetrofitPanelRows(s) && ReadGrid(s) && ReadElements(s, layout) && ReadRetrofitOutline(s);
  }
  // The whole file must have been used: trailing bytes make it broken.
  return complete && s.Remaining() == 0;
}

}  // namespace

bool ReadYt8DiagnosisFile(std::span<const unsigned char> afterMagic) {
  return ReadYt8(afterMagic, Yt8Layout::Diagnosis);
}

bool ReadYt8RetrofitFile(std::span<const unsigned char> afterMagic) {
  return ReadYt8(afterMagic, Yt8Layout::Retrofit);
}
