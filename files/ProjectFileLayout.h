#pragma once
// The field order of the project file, block by block, written once for the
// writer and the readers: each Transfer function takes a FieldWriter or a
// FieldReader and walks the fields of its block in file order. The readers
// transfer into copies (the Capture functions) and commit a block only when
// it was read whole and its values are valid; element records are appended
// one by one, and the weights and loads of block 19 complete them one by one.
// So a broken file never leaves half a record, half a block of settings or an
// impossible value in the model.
//
// The layouts "ytc" and "ytb" share every field; "yta" has narrower 8-bit
// texts and lacks the NUL after some numbers (FieldWidths::Yta). The oldest
// layout "yt8" reuses some groups of the outline block.
#include <cstdint>

#include "files/ProjectFileFields.h"
#include "model/ElementLists.h"
#include "model/ElementTables.h"
#include "model/ModelValidation.h"
#include "model/ProjectSettings.h"

// Rows of the wall-element tables that the file stores.
constexpr int StoredMudWallRows = 6;
constexpr int StoredBraceRows = 13;
constexpr int StoredPanelRows = 44;
constexpr int FloorUserRowCount = 5;

struct WallElementTables {
  ElementSpecRow MudWall[MudWallTableRows];
  ElementSpecRow Brace[BraceTableRows];
  PanelSpecRow Panel[PanelTableRows];
};

struct GridData {
  double X[GridAxisCountX];
  double Y[GridAxisCountY];
  int32_t KindX[GridAxisCountX];
  int32_t KindY[GridAxisCountY];
  double Module;
};

// Element counts of the three variants, by ElementKind.
struct ElementCounts {
  int32_t Of[ElementKindCount][VariantCount][StoreyCount];
};

// The user rows of the two floor tables, stored with the outline.
struct FloorUserRows {
  char16_t SpecName[FloorUserRowCount][FloorFactorNameCapacity];
  double SpecFactor[FloorUserRowCount];
  char16_t BraceName[FloorUserRowCount][FloorFactorNameCapacity];
  double BraceFactor[FloorUserRowCount];
};

struct OutlineData {
  int32_t CurrentVariant;
  ProjectSettingsData Settings;
  FloorUserRows FloorRows;
};

struct JointHardwareData {
  char16_t DesignerName[80];
  JointHardwareRow Rows[JointHardwareTableRows];
};

WallElementTables CaptureWallElementTables();
void Commit(const WallElementTables& tables);
bool IsValid(const WallElementTables& tables);

GridData CaptureGrid();
void Commit(const GridData& grid);
bool IsValid(const GridData& grid);

// The counts of the model as the writer stores them (each within 0..maximum).
ElementCounts CaptureCounts();
bool IsValid(const ElementCounts& counts);

OutlineData CaptureOutline();
void Commit(const OutlineData& outline);
bool IsValid(const OutlineData& outline);

JointHardwareData CaptureJointHardware();
void Commit(const JointHardwareData& hardware);

// Empties every list of the three variants, before the records of a file.
void EmptyVariantLists();

// The number of records of a list that the writer stores.
inline int32_t StoredCount(int32_t count, int32_t maximum) {
  return count < 0 ? 0 : (count > maximum ? maximum : count);
}

// The order of the kinds on a line of the count header.
constexpr ElementKind CountHeaderOrder[ElementKindCount] = {
    ElementKind::Column,
    ElementKind::Wall,
    ElementKind::SpareKind3,
    ElementKind::GableWall,
    ElementKind::RoofFloorRect,
    ElementKind::FloorSpecRect,
    ElementKind::RoofFloorTriangle,
    ElementKind::FloorSpecTriangle,
    ElementKind::TextLabel,
    ElementKind::Foundation,
    ElementKind::FreeLine,
    ElementKind::SpareKind12,
};

// low + factor x high in one field (column sections, ground class).
inline int32_t PackPair(int32_t low, int32_t high, int32_t factor) {
  const int64_t v = static_cast<int64_t>(low) + static_cast<int64_t>(factor) * high;
  return v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v));
}
inline void UnpackPair(int32_t v, int32_t factor, int32_t& low, int32_t& high) {
  high = v / factor;
  low = v - factor * high;
}

// ---------------------------------------------------------------------------
// Small groups

template <class S, class Int>
void IntNul(S& s, Int& v) {
  s.Int(v, 5);
  s.Nul();
}

template <class S, class Real>
void MilliNul(S& s, Real& v) {
  s.Milli(v, 16);
  s.Nul();
}

// ---------------------------------------------------------------------------
// Block 2: editable rows of the wall-element tables

template <class S, class Row>
void TransferTableRow(S& s, Row& row, bool hasDiagnosisFlag) {
  s.TableSymbol(row.Symbol);
  s.Milli(row.Strength, 8);
  s.Milli(row.Stiffness, 8);
  s.Tenths(row.WallFactor);
  if (hasDiagnosisFlag) s.Int(row.DiagnosisOnly, 2);
  if constexpr (requires { row.DisplayKind; }) s.Int(row.DisplayKind, 2);
  s.TableName(row.Name);
}

template <class S>
void TransferElementTableBlock(S& s, WallElementTables& t) {
  for (int i = 0; i < StoredMudWallRows; ++i) TransferTableRow(s, t.MudWall[i], false);
  for (int i = 0; i < StoredBraceRows; ++i) TransferTableRow(s, t.Brace[i], true);
  for (int i = 0; i < StoredPanelRows; ++i) TransferTableRow(s, t.Panel[i], true);
}

// ---------------------------------------------------------------------------
// Block 3: grid (positions in millimetres)

template <class S>
void TransferGridBlock(S& s, GridData& g) {
  for (double& x : g.X) s.Milli(x, 8);
  for (double& y : g.Y) s.Milli(y, 8);
  for (int32_t& kind : g.KindX) s.Int(kind, 5);
  for (int32_t& kind : g.KindY) s.Int(kind, 5);
  s.Milli(g.Module, 8);
}

// ---------------------------------------------------------------------------
// Block 4: nine lines of twelve counts

template <class S>
void TransferCountHeader(S& s, ElementCounts& c) {
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st)
      for (ElementKind kind : CountHeaderOrder) s.Int(c.Of[static_cast<int>(kind)][v][st], 5);
}

// ---------------------------------------------------------------------------
// Blocks 5 to 16: one line per record

template <class S, class... Ints>
void Ints5(S& s, Ints&... values) {
  (s.Int(values, 5), ...);
}

template <class S>
void TransferRecord(S& s, ColumnRecord& r) {
  Ints5(s, r.Reserved, r.X, r.Y, r.Type, r.Hardware, r.CornerSetting, r.Species);
  int32_t section = PackPair(r.SectionX, r.SectionY, 16);
  s.Int(section, 5);
  if constexpr (S::kReading) UnpackPair(section, 16, r.SectionX, r.SectionY);
  s.Int(r.Deterioration, 5);
}

template <class S>
void TransferRecord(S& s, WallRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.OpeningKind, r.NoStrength, r.FittingSymbol);
  s.Fixed(r.WingWallStart, 7, 3);
  s.Fixed(r.WingWallEnd, 7, 3);
  Ints5(s, r.FlipInOut, r.FlipLeftRight, r.BraceKind, r.BraceEndJoint, r.BraceArrangement, r.MudWallKind,
        r.PanelLeft, r.PanelRight, r.FurringLeft, r.FurringRight);
  for (double* h : {&r.Height, &r.BraceHeight, &r.MudWallHeight, &r.PanelLeftHeight, &r.PanelRightHeight})
    s.Fixed(*h, 7, 3);
  s.Int(r.Deterioration, 5);
}

template <class S>
void TransferRecord(S& s, SpareKind3Record& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.Param1, r.Param2);
  s.Fixed(r.Real1, 7, 3);
  s.Fixed(r.Real2, 7, 3);
}

template <class S>
void TransferRecord(S& s, GableWallRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.WeightClass, r.Shape);
  s.Fixed(r.Weight, 7, 2);
  s.Fixed(r.Slope, 7, 2);
  s.Fixed(r.Height, 7, 2);
}

// The weight class that a roof/floor area read from a file has: area code 4
// always has class 1, whatever the file says. Every reader applies it as
// soon as it knows the code (and again after block 19), so that an imported
// project, a partly read one and the same project saved and loaded again
// agree.
template <class Record>
int32_t StoredAreaWeightClass(const Record& r) {
  return r.AreaCode == 4 ? 1 : r.WeightClass;
}
template <class Record>
void ApplyStoredAreaWeightClass(Record& r) {
  r.WeightClass = StoredAreaWeightClass(r);
}

template <class S>
void TransferRecord(S& s, RoofFloorRectRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.AreaCode, r.NotEnclosed);
  s.Fixed(r.LiveLoad, 7, 3);
  if constexpr (S::kReading) ApplyStoredAreaWeightClass(r);
}

template <class S>
void TransferRecord(S& s, RoofFloorTriangleRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3, r.AreaCode, r.NotEnclosed);
  s.Fixed(r.LiveLoad, 7, 3);
  if constexpr (S::kReading) ApplyStoredAreaWeightClass(r);
}

template <class S>
void TransferRecord(S& s, FloorSpecRectRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.SpecCode);
}

template <class S>
void TransferRecord(S& s, FloorSpecTriangleRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.X3, r.Y3, r.SpecCode);
}

template <class S>
void TransferRecord(S& s, TextLabelRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2);
  s.LabelText(r.Text);
}

template <class S>
void TransferRecord(S& s, FoundationRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2, r.Type);
}

template <class S>
void TransferRecord(S& s, FreeLineRecord& r) {
  Ints5(s, r.Reserved, r.X1, r.Y1, r.X2, r.Y2);
  for (double* offset : {&r.OffsetX1, &r.OffsetY1, &r.OffsetX2, &r.OffsetY2}) s.LeftFixed(*offset, 7, 3);
  s.Int(r.Style, 5);
  s.Int(r.Colour, 8);
}

template <class S>
void TransferRecord(S& s, SpareKind12Record& r) {
  Ints5(s, r.X1, r.Y1, r.X2, r.Y2, r.Param);
}

// Appends a record just read to its list, when the stream is sound and the
// record valid; otherwise marks the stream as failed.
template <class Record, int Max>
bool AppendReadRecord(FieldReader& s, const Record& r, Record (&records)[ModelSlotCount][StoreyCount][Max],
                      int32_t (&count)[ModelSlotCount][StoreyCount], int variant, int storey) {
  int32_t& n = count[variant][storey];
  if (!s.Ok() || n < 0 || n >= Max || !IsValidRecord(r)) {
    s.Fail();
    return false;
  }
  records[variant][storey][n++] = r;
  return true;
}

// Calls visit(record) for every stored record of a list, variant by variant,
// storey by storey.
template <class Record, int Max, class Visit>
void ForEachStoredRecord(Record (&records)[ModelSlotCount][StoreyCount][Max],
                         const int32_t (&count)[ModelSlotCount][StoreyCount], Visit visit) {
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st)
      for (int i = 0; i < StoredCount(count[v][st], Max); ++i) visit(records[v][st][i]);
}

// ---------------------------------------------------------------------------
// Block 18: the outline, in groups that the oldest layout shares

template <class S>
void TransferOutlineTexts(S& s, ProjectSettingsData& p) {
  s.Text(p.ClientAddress, 162, 81);
  s.Text(p.ClientName, 162, 81);
  s.Text(p.ClientTel, 66, 17);
  s.Text(p.OwnerAddress, 162, 81);
  s.Text(p.BuildingName, 162, 81);
  s.Text(p.OwnerTel, 66, 17);
  s.Text(p.SiteAddress, 162, 81);
  s.Text(p.BuildingLocation, 162, 81);
}

template <class S>
void TransferUseAndDates(S& s, ProjectSettingsData& p) {
  IntNul(s, p.StructureType);
  IntNul(s, p.BuildingUse);
  s.Text(p.BuildingUseOther, 130, 33);
  IntNul(s, p.Garage);
  IntNul(s, p.Basement);
  for (auto& text : p.BuildYear) s.Text(text, 22, 11);
  for (auto& text : p.BuildMonth) s.Text(text, 22, 11);
  for (auto& text : p.SpareDateText) s.Text(text, 22, 11);
  for (int32_t& v : p.BuildDateUnknown) IntNul(s, v);
  for (int32_t& v : p.RenovationDone) IntNul(s, v);
}

// The building area, the floor areas by the building law and the total
// floor area of every variant.
template <class S>
void TransferFloorAreas(S& s, ProjectSettingsData& p) {
  for (double& v : p.BuildingArea) MilliNul(s, v);
  for (auto& storey : p.LawFloorArea)
    for (double& v : storey) MilliNul(s, v);
  for (double& v : p.TotalFloorArea) MilliNul(s, v);
}

template <class S>
void TransferSiteAndVariants(S& s, ProjectSettingsData& p) {
  IntNul(s, p.MixedStructure);
  MilliNul(s, p.SnowLoad);
  MilliNul(s, p.RegionFactorZ);
  for (int32_t& v : p.TopStorey) IntNul(s, v);
  for (int32_t& v : p.AtticStorage) IntNul(s, v);
  for (int32_t& v : p.WeightClass) IntNul(s, v);
  for (int32_t& v : p.SpareVariantValue) IntNul(s, v);
  TransferFloorAreas(s, p);
}

template <class S>
void TransferFoundation(S& s, ProjectSettingsData& p) {
  IntNul(s, p.FoundationType);
  IntNul(s, p.FoundationCracks);
  IntNul(s, p.FoundationTieBeams);
  s.Text(p.FoundationNote, 162, 81);
  s.Text(p.CrackLocation, 162, 81);
  Ints5(s, p.CrackCause[0], p.CrackCause[1], p.CrackCause[2]);
  s.Nul();
  s.Text(p.CrackCauseText, 162, 81);
  IntNul(s, p.UniformFoundation);
}

template <class S>
void TransferFloorGroup(S& s, ProjectSettingsData& p) {
  Ints5(s, p.FloorMaterial, p.HorizontalBraces, p.Atrium, p.UniformFloorSpec);
  s.Nul();
}

// The deterioration page: its texts and answers in file order. The layout of
// the oldest diagnosis files has no answers 7 and 16, keeps answer 6 before
// text 7 and the spare text before answer 10; the table says which layouts
// hold each field where it stands.
enum class DeteriorationLayout : uint8_t { Project = 1, Diagnosis = 2 };

struct DeteriorationField {
  enum Kind : uint8_t { Text, SpareText, Answer, AnswerPair };  // AnswerPair: answers index and index + 1
  Kind kind;
  int8_t index;
  uint8_t layouts;  // DeteriorationLayout bits
};

inline constexpr uint8_t kInBothLayouts = 3;
inline constexpr uint8_t kInProjectLayout = static_cast<uint8_t>(DeteriorationLayout::Project);
inline constexpr uint8_t kInDiagnosisLayout = static_cast<uint8_t>(DeteriorationLayout::Diagnosis);

inline constexpr DeteriorationField kDeteriorationPageFields[] = {
    {DeteriorationField::Text, 0, kInBothLayouts},
    {DeteriorationField::Answer, 0, kInBothLayouts},
    {DeteriorationField::Text, 1, kInBothLayouts},
    {DeteriorationField::Text, 2, kInBothLayouts},
    {DeteriorationField::AnswerPair, 1, kInBothLayouts},
    {DeteriorationField::Text, 3, kInBothLayouts},
    {DeteriorationField::Text, 4, kInBothLayouts},
    {DeteriorationField::Answer, 3, kInBothLayouts},
    {DeteriorationField::Text, 5, kInBothLayouts},
    {DeteriorationField::Text, 6, kInBothLayouts},
    {DeteriorationField::Answer, 4, kInBothLayouts},
    {DeteriorationField::Answer, 5, kInBothLayouts},
    {DeteriorationField::Answer, 6, kInDiagnosisLayout},
    {DeteriorationField::Text, 7, kInBothLayouts},
    {DeteriorationField::Answer, 6, kInProjectLayout},
    {DeteriorationField::Answer, 7, kInProjectLayout},
    {DeteriorationField::Answer, 8, kInBothLayouts},
    {DeteriorationField::Text, 9, kInBothLayouts},
    {DeteriorationField::Text, 8, kInBothLayouts},
    {DeteriorationField::Answer, 9, kInBothLayouts},
    {DeteriorationField::Text, 10, kInBothLayouts},
    {DeteriorationField::Answer, 10, kInProjectLayout},
    {DeteriorationField::SpareText, 0, kInBothLayouts},
    {DeteriorationField::Answer, 10, kInDiagnosisLayout},
    {DeteriorationField::Answer, 11, kInBothLayouts},
    {DeteriorationField::AnswerPair, 12, kInBothLayouts},
    {DeteriorationField::AnswerPair, 14, kInBothLayouts},
    {DeteriorationField::Answer, 16, kInProjectLayout},
};

// Reads or writes the page in the given layout; text(field) moves one text,
// since the layouts store texts in different widths.
template <class S, class TextField>
void TransferDeteriorationFields(S& s, ProjectSettingsData& p, DeteriorationLayout layout, TextField text) {
  for (const DeteriorationField& field : kDeteriorationPageFields) {
    if ((field.layouts & static_cast<uint8_t>(layout)) == 0) continue;
    switch (field.kind) {
      case DeteriorationField::Text:
        text(p.DeteriorationText[field.index]);
        break;
      case DeteriorationField::SpareText:
        text(p.SpareDeteriorationText);
        break;
      case DeteriorationField::Answer:
        IntNul(s, p.DeteriorationAnswer[field.index]);
        break;
      case DeteriorationField::AnswerPair:
        Ints5(s, p.DeteriorationAnswer[field.index], p.DeteriorationAnswer[field.index + 1]);
        s.Nul();
        break;
    }
  }
}

template <class S>
void TransferDeteriorationPage(S& s, ProjectSettingsData& p) {
  TransferDeteriorationFields(s, p, DeteriorationLayout::Project,
                              [&s](char16_t(&t)[80]) { s.Text(t, 162, 81); });
}

template <class S>
void TransferStoreyHeights(S& s, ProjectSettingsData& p) {
  for (auto& variant : p.StoreyHeight)
    for (double& h : variant) MilliNul(s, h);
}

template <class S>
void TransferOutlineBlock(S& s, OutlineData& d) {
  ProjectSettingsData& p = d.Settings;
  Ints5(s, d.CurrentVariant, p.Revision, p.DiagnosisMethod, p.RequiredStrengthMethod, p.BalanceMethod,
        p.OtherElementsMethod, p.OpeningWallBasis, p.SpareFlag);
  s.Nul();
  TransferOutlineTexts(s, p);
  TransferUseAndDates(s, p);
  TransferSiteAndVariants(s, p);
  int32_t ground = PackPair(p.GroundClass, p.VerySoftGround, 8);
  IntNul(s, ground);
  if constexpr (S::kReading) UnpackPair(ground, 8, p.GroundClass, p.VerySoftGround);
  TransferFoundation(s, p);
  TransferFloorGroup(s, p);
  TransferDeteriorationPage(s, p);
  TransferStoreyHeights(s, p);
  for (auto& variant : p.PartWeightClass)
    for (int32_t& v : variant) IntNul(s, v);
  FloorUserRows& rows = d.FloorRows;
  for (int i = 0; i < FloorUserRowCount; ++i) {
    s.Text(rows.SpecName[i], 66, 32);
    s.Milli(rows.SpecFactor[i], 16);
    s.NulExceptYta();
    s.Text(rows.BraceName[i], 66, 32);
    s.Milli(rows.BraceFactor[i], 16);
    s.NulExceptYta();
  }
  for (int32_t* v :
       {&p.RetrofitDeteriorationRule, &p.DistinguishBraceDirection, &p.CountSteepDiagonalWalls,
        &p.JointIIIRule, &p.GravityCentreBySpec, &p.WallStrengthStandard, &p.JointHardwareMethod,
        &p.NValueWallFactor, &p.EccentricityOptions, &p.LeanToColumnsTopStorey, &p.ShowColumnNValue,
        &p.ShowWallElements, &p.ShowWallStrength, &p.ShowRetrofitPlaces, &p.ShowOtherStoreyWalls,
        &p.ShowReducedStrength, &p.ShowBeamStress, &p.ShowRetrofitCaution, &p.SnowCase})
    IntNul(s, *v);
}

// ---------------------------------------------------------------------------
// Block 19: weights and loads of walls and roof/floor areas, load take-off table

template <class S, class Record>
void TransferAreaLoads(S& s, Record& r) {
  // Written as the readers will take it.
  if constexpr (S::kReading)
    s.Int(r.WeightClass, 5);
  else
    s.Int(StoredAreaWeightClass(r), 5);
  s.Fixed(r.DeadLoad, 7, 3);
  s.Fixed(r.Slope, 7, 3);
  s.NulExceptYta();
  if constexpr (S::kReading) ApplyStoredAreaWeightClass(r);
}

template <class S, class Record>
void TransferAddedLoad(S& s, Record& r) {
  s.Fixed(r.AddedLoad, 7, 3);
  s.NulExceptYta();
}

// Runs transfer on a copy of a stored record; the reader takes the copy back
// when it is sound and valid.
template <class S, class Record, class Transfer>
void TransferInPlace(S& s, Record& live, Transfer transfer) {
  Record r = live;
  transfer(s, r);
  if constexpr (S::kReading) {
    if (s.Ok() && IsValidRecord(r))
      live = r;
    else
      s.Fail();
  }
}

template <class S>
void TransferWallWeight(S& s, WallRecord& r) {
  s.Int(r.WeightClass, 5);
  s.Fixed(r.Weight, 7, 3);
  s.NulExceptYta();
}

template <class S>
void TransferElementExtrasBlock(S& s, double (&loadTakeOff)[LoadTakeOffRows][LoadTakeOffClasses]) {
  auto weight = [](S& f, WallRecord& r) { TransferWallWeight(f, r); };
  auto loads = [](S& f, auto& r) { TransferAreaLoads(f, r); };
  auto added = [](S& f, auto& r) { TransferAddedLoad(f, r); };
  ForEachStoredRecord(Walls, WallCount, [&](auto& r) { TransferInPlace(s, r, weight); });
  ForEachStoredRecord(RoofFloorRects, RoofFloorRectCount, [&](auto& r) { TransferInPlace(s, r, loads); });
  ForEachStoredRecord(RoofFloorTriangles, RoofFloorTriangleCount,
                      [&](auto& r) { TransferInPlace(s, r, loads); });
  for (auto& row : loadTakeOff)
    for (double& value : row) {
      double stored = value;
      s.Fixed(stored, 5, 0);
      s.NulExceptYta();
      if constexpr (S::kReading) {
        // A stored 0 keeps the value in memory.
        if (s.Ok() && stored != 0) value = stored;
      }
    }
  ForEachStoredRecord(RoofFloorRects, RoofFloorRectCount, [&](auto& r) { TransferInPlace(s, r, added); });
  ForEachStoredRecord(RoofFloorTriangles, RoofFloorTriangleCount,
                      [&](auto& r) { TransferInPlace(s, r, added); });
}

// ---------------------------------------------------------------------------
// Block 20: further settings and the manual areas

template <class S>
void TransferTrailerBlock(S& s, ProjectSettingsData& p) {
  Ints5(s, p.AppendTei, p.NotDwellingOnly);
  s.Nul();
  s.Text(p.UseText, 162, 81);
  IntNul(s, p.WallQuantityFeature);
  IntNul(s, p.ManualFloorAreas);
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st)
      for (double* area : {&p.ManualFloorArea[v][st], &p.ManualZoneAreaA[v][st], &p.ManualZoneAreaB[v][st],
                           &p.ManualZoneArea1[v][st], &p.ManualZoneArea2[v][st]})
        MilliNul(s, *area);
  for (int32_t* v :
       {&p.VerificationFeature, &p.VerificationDeterioration, &p.UnratedOpeningWallStrength,
        &p.LowStrengthWallReduction, &p.UnratedSolidWallRule, &p.AxisNumbering, &p.Method2ColumnRule})
    IntNul(s, *v);
}

// ---------------------------------------------------------------------------
// Block 21: designer and joint-hardware table (current layout only)

template <class S>
void TransferJointHardwareBlock(S& s, JointHardwareData& h) {
  s.Text(h.DesignerName, 162, 81);
  for (JointHardwareRow& row : h.Rows) {
    s.ShortText(row.Name, 32);
    s.ShortText(row.Symbol, 16);
    s.Milli(row.AllowableTension, 8);
  }
}
