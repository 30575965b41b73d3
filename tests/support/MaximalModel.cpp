#include "tests/support/MaximalModel.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "editing/ModelReset.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"

namespace {

constexpr int32_t PanelP1 = 3, PanelG1 = 21, PanelK1 = 2;
constexpr int32_t MudWallT3 = 4;
constexpr int32_t Brace90x45 = 5, Brace90x90 = 6;

void StartAfresh() {
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  ResetModel(ResetForStartUp);
}

void AddColumn(int v, int s, int x, int y, int type, int hardware) {
  ColumnRecord& c = Columns[v][s][ColumnCount[v][s]++];
  c = ColumnRecord{};
  c.X = x, c.Y = y, c.Type = type, c.Hardware = hardware, c.Deterioration = 2;
}

// Panel rows of every display kind: 大壁, 川の字, 真壁, 胴縁.
constexpr int32_t PanelRowsByDisplayKind[4] = {PanelP1, 6, 19, 25};

// A wall whose elements follow its number, so that every kind of wall (braced
// one way and crossed, panelled, mud, window and door runs) occurs; along the
// list every brace kind and end joint, every mud wall, panels of every
// display kind, every fitting symbol with both flips and wing walls.
void AddWall(int v, int s, int x1, int y1, int x2, int y2, int n) {
  WallRecord& w = Walls[v][s][WallCount[v][s]++];
  w = WallRecord{};
  w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
  w.Deterioration = n % 11 == 0 ? 1 : n % 7 == 0 ? 0 : 2;
  w.NoStrength = n % 13 == 0 ? 1 : 0;
  const int k = n / 8;
  switch (n % 8) {
    case 0:
      w.BraceKind = 2 + k % 9, w.BraceEndJoint = k % 4, w.BraceArrangement = k / 9 % 2;
      if (k % 5 == 0) w.BraceKind = Brace90x45, w.BraceEndJoint = 3, w.BraceArrangement = 1;
      break;
    case 1:
      w.PanelLeft = PanelP1, w.PanelRight = PanelG1;
      break;
    case 2:
      w.OpeningKind = 1, w.PanelLeft = PanelRowsByDisplayKind[k % 4];
      break;
    case 3:
      w.BraceKind = Brace90x90, w.BraceEndJoint = 2;  // one way
      break;
    case 4:
      w.MudWallKind = k % 5 == 0 ? MudWallT3 : 2 + k % 4;
      break;
    case 5:
      w.OpeningKind = 2 + k % 2;
      break;
    case 6:
      w.PanelLeft = PanelK1, w.PanelRight = PanelRowsByDisplayKind[(k + 2) % 4];
      break;
    default:
      w.OpeningKind = 1;
      break;
  }
  if (w.OpeningKind != 0) {
    w.FittingSymbol = k % 12;
    w.FlipInOut = k / 12 % 2;
    w.FlipLeftRight = k / 24 % 2;
    w.WingWallStart = k % 3 == 1 ? 0.3 : 0.0;
    w.WingWallEnd = k % 3 == 2 ? 0.2 : 0.0;
  }
}

void AddArea(int v, int s, int x1, int y1, int x2, int y2, int32_t code) {
  RoofFloorRectRecord& r = RoofFloorRects[v][s][RoofFloorRectCount[v][s]++];
  r = RoofFloorRectRecord{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2, r.AreaCode = code, r.LiveLoad = 600.0;
}

void SetText(TextLabelRecord& r, const char16_t* text) {
  int n = 0;
  for (; text[n] != 0 && n + 1 < TextLabelCapacity; ++n) r.Text[n] = text[n];
  r.Text[n] = 0;
}

// Every display switch of the plan on, the other storeys' walls shown with
// their strengths (in place of the foundations under the plan).
void AllDisplaySwitchesOn() {
  ProjectSettings.ShowRetrofitCaution = SettingOn;
  ProjectSettings.ShowBeamStress = SettingOn;
  ProjectSettings.ShowWallElements = ShowWallElementLabels;
  ProjectSettings.ShowWallStrength = SettingOn;
  ProjectSettings.ShowReducedStrength = ShowReducedStrengths;
  ProjectSettings.ShowColumnNValue = SettingOn;
  ProjectSettings.ShowRetrofitPlaces = SettingOn;
  ProjectSettings.ShowOtherStoreyWalls = ShowOtherStoreyBearingWalls;
  ProjectSettings.UniformFoundation = SettingOff;
  ProjectSettings.BalanceMethod = BalanceByEccentricity;
}

// The lists that the chain does not read: labels, free lines and gable walls,
// each at its maximum, over the whole lattice.
void AddDrawnElements(int v, int s, int first, int step, int nx, int ny) {
  const auto ax = [&](int i) { return first + step * i; };
  static const char16_t* const kTexts[] = {u"居間", u"和室 6帖", u"台所・食堂", u"Bath 1",
                                           u"押入", u"廊下",     u"洋室 (2)",   u"玄関ホール"};
  for (int k = 0; k < MaxTextLabelsPerStorey; ++k) {
    TextLabelRecord& r = TextLabels[v][s][TextLabelCount[v][s]++];
    r = TextLabelRecord{};
    const int i = k % (nx - 1), j = (k / (nx - 1)) % (ny - 1);
    r.X1 = ax(i), r.Y1 = ax(j), r.X2 = ax(i + 1), r.Y2 = ax(j + 1);
    if (k == 0)
      SetText(r, u"*30");
    else if (k % 10 == 5)
      SetText(r, u"@縦書き");
    else
      SetText(r, kTexts[k % 8]);
  }
  for (int k = 0; k < MaxFreeLinesPerStorey; ++k) {
    FreeLineRecord& r = FreeLines[v][s][FreeLineCount[v][s]++];
    r = FreeLineRecord{};
    const int i = k % (nx - 2), j = (k / (nx - 2)) % (ny - 1);
    // Level, upright and slanted lines in every style, some moved off the grid.
    switch (k % 3) {
      case 0:
        r.X1 = ax(i), r.Y1 = ax(j), r.X2 = ax(i + 2), r.Y2 = ax(j + 1);
        break;
      case 1:
        r.X1 = ax(i), r.Y1 = ax(j), r.X2 = ax(i + 2), r.Y2 = ax(j);
        break;
      default:
        r.X1 = ax(i + 1), r.Y1 = ax(j), r.X2 = ax(i + 1), r.Y2 = ax(j + 1);
        break;
    }
    r.OffsetX1 = k % 4 == 0 ? 0.1 : 0.0;
    r.OffsetY2 = k % 5 == 0 ? -0.2 : 0.0;
    r.Style = k % 6;
    r.Colour = k % 2 == 0 ? 0x000000 : 0x0000FF;
  }
  for (int k = 0; k < MaxGableWallsPerStorey; ++k) {
    GableWallRecord& r = GableWalls[v][s][GableWallCount[v][s]++];
    r = GableWallRecord{};
    const int i = k % (nx - 1), j = (k / (nx - 1)) % ny;
    r.X1 = ax(i), r.Y1 = ax(j), r.X2 = ax(i + 1), r.Y2 = ax(j);
    r.WeightClass = k % 3, r.Shape = k % 3, r.Weight = 600, r.Slope = 0.5, r.Height = 1.2;
  }
}

}  // namespace

// Columns on a 20 x 15 lattice of every second axis from axis 5 (X 5..43,
// Y 5..33); 300 of the lattice's 565 edges as walls; the plan tiled by 10 x 5
// rectangles of 4 x 6 axes, and the same tiles as floor specifications.
void BuildMaximalModel() {
  StartAfresh();
  ProjectSettings.SnowLoad = 0.26 * 1.5;
  ProjectSettings.DistinguishBraceDirection = 1;
  AllDisplaySwitchesOn();
  constexpr int kNx = 20, kNy = 15, kStep = 2, kFirst = 5;
  const auto ax = [](int i) { return kFirst + kStep * i; };
  for (int v = 0; v < VariantCount; ++v) {
    ProjectSettings.TopStorey[v] = 2;
    for (int s = 0; s < StoreyCount; ++s) {
      for (int i = 0; i < kNx; ++i)
        for (int j = 0; j < kNy; ++j) {
          const bool edge = i == 0 || j == 0 || i == kNx - 1 || j == kNy - 1;
          AddColumn(v, s, ax(i), ax(j), edge ? 2 : 1, (i + j + s) % 15);
        }
      int n = 0;
      // Every lattice line along X, then along Y, until the list is full.
      for (int j = 0; j < kNy && n < MaxWallsPerStorey; ++j)
        for (int i = 0; i + 1 < kNx && n < MaxWallsPerStorey; ++i)
          if (j % 2 == 0 || i % 3 != 1) AddWall(v, s, ax(i), ax(j), ax(i + 1), ax(j), n++);
      for (int i = 0; i < kNx && n < MaxWallsPerStorey; ++i)
        for (int j = 0; j + 1 < kNy && n < MaxWallsPerStorey; ++j)
          AddWall(v, s, ax(i), ax(j), ax(i), ax(j + 1), n++);
      // 50 rectangles: floors under the storeys above, roofs on the top storey.
      const int32_t code = s < 2 ? 0 : 3;
      for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 5; ++b) {
          const int xa = kFirst + 4 * a, ya = kFirst + 6 * b;
          AddArea(v, s, xa, ya, xa + 4, ya + 6, code);
          FloorSpecRects[v][s][FloorSpecRectCount[v][s]++] =
              FloorSpecRectRecord{0, xa, ya, xa + 4, ya + 6, 1 + (a + b) % 16};
          // And a triangle of each kind over the tile's upper left half.
          RoofFloorTriangleRecord& t = RoofFloorTriangles[v][s][RoofFloorTriangleCount[v][s]++];
          t = RoofFloorTriangleRecord{};
          t.X1 = xa, t.Y1 = ya, t.X2 = xa + 4, t.Y2 = ya, t.X3 = xa, t.Y3 = ya + 6, t.AreaCode = 7;
          FloorSpecTriangles[v][s][FloorSpecTriangleCount[v][s]++] =
              FloorSpecTriangleRecord{0, xa, ya, xa + 4, ya, xa, ya + 6, 13 + 32 * ((a + b) % 15)};
        }
    }
    // The retrofit plans differ from the current state: plan 1 panels every
    // third wall anew, plan 2 has every wall drawn the other way round (its
    // one-way braces then count as changed).
    for (int s = 0; s < StoreyCount && v > 0; ++s)
      for (int i = 0; i < WallCount[v][s]; ++i) {
        WallRecord& w = Walls[v][s][i];
        if (v == 1 && i % 3 == 0) w.PanelRight = PanelP1;
        if (v == 2) {
          std::swap(w.X1, w.X2);
          std::swap(w.Y1, w.Y2);
        }
      }
    for (int s = 0; s < StoreyCount; ++s) {
      for (int i = 0; i < MaxFoundationsPerStorey && i < kNx * (kNy - 1); ++i) {
        const int x = i % kNx, y = i / kNx;
        Foundations[v][s][FoundationCount[v][s]++] =
            FoundationRecord{0, ax(x), ax(y), ax(x), ax(y + 1), i % 3};
      }
      AddDrawnElements(v, s, kFirst, kStep, kNx, kNy);
    }
  }
  static_assert(kFirst == MaximalModelFirstAxis && kFirst + kStep * (kNx - 1) == MaximalModelLastAxisX &&
                kFirst + kStep * (kNy - 1) == MaximalModelLastAxisY);
}

void BuildStackedDuplicatesModel() {
  StartAfresh();
  for (int v = 0; v < VariantCount; ++v) {
    ProjectSettings.TopStorey[v] = 0;
    for (int n = 0; n < MaxWallsPerStorey; ++n) AddWall(v, 0, 10, 10, 14, 10, 0);
    for (int n = 0; n < MaxColumnsPerStorey; ++n) AddColumn(v, 0, 10, 10, 1, 1);
    AddArea(v, 0, 10, 8, 14, 12, 3);
  }
}

// 10.92 m x 7.28 m (12 x 8 modules) on the first storey, the second storey
// over its left two thirds; walls along every second axis line of the
// outline and the partitions, columns at every wall end.
void BuildTypicalHouse() {
  StartAfresh();
  constexpr int v = CurrentState;
  ProjectSettings.TopStorey[v] = 1;
  constexpr int x0 = 10, y0 = 10;
  int n = 0;
  const auto addLine = [&](int s, int xa, int ya, int xb, int yb, int step) {
    if (ya == yb)
      for (int x = xa; x < xb; x += step) AddWall(v, s, x, ya, x + step, ya, n++);
    else
      for (int y = ya; y < yb; y += step) AddWall(v, s, xa, y, xa, y + step, n++);
  };
  // Storey 1: outline (12 x 8 modules) in 1-module walls on the long sides,
  // 2-module walls elsewhere, and four partitions.
  addLine(0, x0, y0, x0 + 12, y0, 1);
  addLine(0, x0, y0 + 8, x0 + 12, y0 + 8, 1);
  addLine(0, x0, y0, x0, y0 + 8, 2);
  addLine(0, x0 + 12, y0, x0 + 12, y0 + 8, 2);
  addLine(0, x0 + 4, y0, x0 + 4, y0 + 8, 2);
  addLine(0, x0 + 8, y0, x0 + 8, y0 + 8, 2);
  addLine(0, x0, y0 + 4, x0 + 12, y0 + 4, 4);
  // Storey 2 over 8 x 8 modules.
  addLine(1, x0, y0, x0 + 8, y0, 1);
  addLine(1, x0, y0 + 8, x0 + 8, y0 + 8, 2);
  addLine(1, x0, y0, x0, y0 + 8, 2);
  addLine(1, x0 + 8, y0, x0 + 8, y0 + 8, 2);
  addLine(1, x0 + 4, y0, x0 + 4, y0 + 8, 2);
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < WallCount[v][s]; ++i)
      for (const auto& [x, y] : {std::pair{Walls[v][s][i].X1, Walls[v][s][i].Y1},
                                 std::pair{Walls[v][s][i].X2, Walls[v][s][i].Y2}}) {
        bool known = false;
        for (int c = 0; c < ColumnCount[v][s]; ++c)
          known = known || (Columns[v][s][c].X == x && Columns[v][s][c].Y == y);
        if (!known) AddColumn(v, s, x, y, 1, 1);
      }
  AddArea(v, 0, x0, y0, x0 + 8, y0 + 8, 0);       // floor under storey 2
  AddArea(v, 0, x0 + 8, y0, x0 + 12, y0 + 8, 3);  // lean-to roof
  AddArea(v, 1, x0, y0, x0 + 8, y0 + 8, 3);       // roof
  AddArea(v, 1, x0 - 1, y0 - 1, x0 + 9, y0, 10);  // eaves
  FloorSpecRects[v][0][FloorSpecRectCount[v][0]++] = FloorSpecRectRecord{0, x0, y0, x0 + 12, y0 + 8, 1};
  FloorSpecRects[v][1][FloorSpecRectCount[v][1]++] = FloorSpecRectRecord{0, x0, y0, x0 + 8, y0 + 8, 13};
  Foundations[v][0][FoundationCount[v][0]++] = FoundationRecord{0, x0, y0, x0 + 12, y0, 0};
  Foundations[v][0][FoundationCount[v][0]++] = FoundationRecord{0, x0, y0 + 8, x0 + 12, y0 + 8, 0};
}
