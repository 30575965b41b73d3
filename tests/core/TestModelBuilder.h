#pragma once
// Builds a plan for a test straight into the program-wide lists and grid: every
// Add* appends a zeroed record to the list of variant (or slot) v, storey s,
// fills in its points and returns it for the test to set the fields it needs.
// Nothing here computes anything; results stay for the test to write.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "analysis/GridAxisLabels.h"
#include "model/ElementLists.h"
#include "model/Grid.h"

namespace testmodel {

// --- Lists ------------------------------------------------------------------

// Appends a zeroed record to list (v, s) and returns it.
template <class Record>
Record& Append(int v, int s);

// Makes list (v, s) hold exactly these records.
template <class Record>
void SetList(int v, int s, std::initializer_list<Record> records);

#define QUILMORA_TEST_LIST(kind, Record, records, count, swapBlock, max)          \
  template <>                                                                     \
  inline Record& Append<Record>(int v, int s) {                                   \
    Record& r = records[v][s][count[v][s]++];                                     \
    r = Record{};                                                                 \
    return r;                                                                     \
  }                                                                               \
  template <>                                                                     \
  inline void SetList<Record>(int v, int s, std::initializer_list<Record> list) { \
    int32_t n = 0;                                                                \
    for (const Record& r : list) records[v][s][n++] = r;                          \
    count[v][s] = n;                                                              \
  }
QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_TEST_LIST)
#undef QUILMORA_TEST_LIST

// --- Elements ---------------------------------------------------------------

// A column at grid point (x, y); type 1 is a 管柱.
inline ColumnRecord& AddColumn(int v, int s, int x, int y, int32_t type = 1) {
  ColumnRecord& c = Append<ColumnRecord>(v, s);
  c.X = x, c.Y = y, c.Type = type;
  return c;
}

inline WallRecord& AddWall(int v, int s, int x1, int y1, int x2, int y2) {
  WallRecord& w = Append<WallRecord>(v, s);
  w.X1 = x1, w.Y1 = y1, w.X2 = x2, w.Y2 = y2;
  return w;
}

inline GableWallRecord& AddGable(int v, int s, int x1, int y1, int x2, int y2) {
  GableWallRecord& g = Append<GableWallRecord>(v, s);
  g.X1 = x1, g.Y1 = y1, g.X2 = x2, g.Y2 = y2;
  return g;
}

// Live, dead (with weight class 3) and added loads of a roof or floor area, N/m².
struct AreaLoads {
  double LiveLoad = 0;
  double DeadLoad = 0;
  double AddedLoad = 0;
};

// A roof or floor rectangle between corners (x1, y1) and (x2, y2) with its area code.
inline RoofFloorRectRecord& AddRect(int v, int s, int x1, int y1, int x2, int y2, int32_t code,
                                    AreaLoads loads = {}) {
  RoofFloorRectRecord& r = Append<RoofFloorRectRecord>(v, s);
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  r.AreaCode = code;
  r.LiveLoad = loads.LiveLoad, r.DeadLoad = loads.DeadLoad, r.AddedLoad = loads.AddedLoad;
  return r;
}

inline RoofFloorTriangleRecord& AddTriangle(int v, int s, int x1, int y1, int x2, int y2, int x3, int y3,
                                            int32_t code, AreaLoads loads = {}) {
  RoofFloorTriangleRecord& t = Append<RoofFloorTriangleRecord>(v, s);
  t.X1 = x1, t.Y1 = y1, t.X2 = x2, t.Y2 = y2, t.X3 = x3, t.Y3 = y3;
  t.AreaCode = code;
  t.LiveLoad = loads.LiveLoad, t.DeadLoad = loads.DeadLoad, t.AddedLoad = loads.AddedLoad;
  return t;
}

// A floor specification area; code = floor table row + 32 x horizontal brace row.
inline FloorSpecRectRecord& AddSpecRect(int v, int s, int x1, int y1, int x2, int y2, int32_t code) {
  FloorSpecRectRecord& r = Append<FloorSpecRectRecord>(v, s);
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  r.SpecCode = code;
  return r;
}

inline FloorSpecTriangleRecord& AddSpecTriangle(int v, int s, int x1, int y1, int x2, int y2, int x3, int y3,
                                                int32_t code) {
  FloorSpecTriangleRecord& t = Append<FloorSpecTriangleRecord>(v, s);
  t.X1 = x1, t.Y1 = y1, t.X2 = x2, t.Y2 = y2, t.X3 = x3, t.Y3 = y3;
  t.SpecCode = code;
  return t;
}

// A foundation segment; foundations live in the first storey's list.
inline FoundationRecord& AddFoundation(int v, int x1, int y1, int x2, int y2, int32_t type) {
  FoundationRecord& f = Append<FoundationRecord>(v, 0);
  f.X1 = x1, f.Y1 = y1, f.X2 = x2, f.Y2 = y2, f.Type = type;
  return f;
}

// A text label record (not appended): the text is cut to the record's capacity less its NUL.
inline TextLabelRecord TextLabel(int x1, int y1, int x2, int y2, std::u16string_view text) {
  TextLabelRecord r{};
  r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
  for (std::size_t k = 0; k < text.size() && k + 1 < std::size(r.Text); ++k) r.Text[k] = text[k];
  return r;
}

inline TextLabelRecord& AddText(int v, int s, int x1, int y1, int x2, int y2, std::u16string_view text) {
  return Append<TextLabelRecord>(v, s) = TextLabel(x1, y1, x2, y2, text);
}

inline FreeLineRecord& AddLine(int v, int s, int x1, int y1, int x2, int y2) {
  FreeLineRecord& l = Append<FreeLineRecord>(v, s);
  l.X1 = x1, l.Y1 = y1, l.X2 = x2, l.Y2 = y2;
  return l;
}

// n walls in list (v, s), wall i zeroed but for X1 = tag + i, so that copied or
// swapped records can be traced.
inline void SetTaggedWalls(int v, int s, int n, int tag) {
  WallCount[v][s] = 0;
  for (int i = 0; i < n; ++i) AddWall(v, s, tag + i, 0, 0, 0);
}

// --- Grid -------------------------------------------------------------------

// Every axis i at i x module metres, every axis a main axis.
inline void LayOutGrid(double module) {
  GridModule = module;
  LayOutGridAtModule();
}

// A grid of 1 m pitch with both origin axes at axis 0.
inline void UseOneMetreGrid() {
  LayOutGrid(1.0);
  GridOriginAxisX = 0;
  GridOriginAxisY = 0;
}

// Axis i at i metres; the module and the axis kinds stay as they are.
inline void PlaceAxesAtWholeMetres() {
  for (int i = 0; i < GridAxisCountX; ++i) GridAxisX[i] = i;
  for (int j = 0; j < GridAxisCountY; ++j) GridAxisY[j] = j;
}

// X axes 0, 1, ... at the given positions; the rest keep their places.
inline void SetAxesX(std::initializer_list<double> positions) {
  int i = 0;
  for (double p : positions) GridAxisX[i++] = p;
}

inline void SetAxesY(std::initializer_list<double> positions) {
  int j = 0;
  for (double p : positions) GridAxisY[j++] = p;
}

}  // namespace testmodel
