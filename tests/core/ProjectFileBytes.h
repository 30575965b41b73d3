#pragma once
// Project files built byte by byte from their layouts, for the tests and the
// fuzzing seeds. Deliberately independent of the program's writer: numbers
// come from snprintf, texts are given as raw field bytes.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class Bytes {
 public:
  Bytes& Raw(std::string_view s) {
    data.insert(data.end(), s.begin(), s.end());
    return *this;
  }
  Bytes& Zeros(std::size_t n) {
    data.insert(data.end(), n, 0);
    return *this;
  }
  Bytes& Nul() { return Zeros(1); }
  // Raw content in a field of n bytes: cut, or filled with zero bytes.
  Bytes& Field(std::string_view content, std::size_t n) {
    Raw(content.substr(0, n));
    return Zeros(n - std::min(n, content.size()));
  }
  Bytes& Int(long long v, int width) { return Printf("%*lld", width, v); }
  Bytes& IntNul(long long v) { return Int(v, 5).Nul(); }
  Bytes& Real(double v, int width, int decimals) { return Printf("%*.*f", width, decimals, v); }
  // "%<width>li" of v x 1000 + 0.5 truncated.
  Bytes& Milli(double v, int width) { return Int(static_cast<long long>(v * 1000 + 0.5), width); }
  Bytes& MilliNul(double v) { return Milli(v, 16).Nul(); }

  std::size_t size() const { return data.size(); }
  std::vector<unsigned char> data;

 private:
  template <class... Args>
  Bytes& Printf(const char* fmt, Args... args) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, fmt, args...);
    return Raw(std::string_view(buf, static_cast<std::size_t>(n)));
  }
};

// UTF-16LE bytes of a text (no terminator).
inline std::string Le(std::u16string_view text) {
  std::string bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

// The deterioration page with every answer 0 and every text empty, field by
// field: T a text of textBytes, A one answer, P two answers.
inline void DeteriorationPage(Bytes& f, std::string_view pattern, std::size_t textBytes) {
  for (char field : pattern) {
    if (field == 'T') f.Zeros(textBytes);
    if (field == 'A') f.IntNul(0);
    if (field == 'P') f.Int(0, 5).Int(0, 5).Nul();
  }
}
constexpr std::string_view kDeteriorationPage = "TATTPTTATTAATAAATTATATAPPA";
constexpr std::string_view kDiagnosisDeteriorationPage = "TATTPTTATTAAATATTATTAAPP";

// A file of the layouts "ytb" or "yta": blocks 2 to 20 of the current layout,
// "yta" with 8-bit texts in narrower fields and without the NUL after some
// numbers. Everything not set below is zero or empty; elements go to
// variant 0, storey 0.
struct OldProjectFile {
  bool yta = false;

  // Block 2: raw symbol and name field contents by table (0 mud wall, 1 brace, 2 panel) and row.
  std::array<std::array<std::string, 44>, 3> symbols, names;

  // Blocks 5 to 16: raw record lines per ElementKind, text included.
  std::array<std::vector<std::string>, 12> lines;

  // Block 18.
  int currentVariant = 0, revision = 0;
  std::array<int, 3> topStorey = {1, 1, 1};
  int ground = 1;
  std::string clientName;  // raw field content
  std::array<std::string, 5> floorSpecNames, braceNames;
  std::array<double, 5> floorSpecFactors{}, braceFactors{};

  // Block 19: raw groups, NUL included where the layout has one.
  std::vector<std::string> wallWeights, rectLoads, triangleLoads, rectAddedLoads, triangleAddedLoads;
  std::array<double, 18> loadTakeOff{};

  std::string useText;

  std::size_t Wide(std::size_t ytbBytes, std::size_t ytaBytes) const { return yta ? ytaBytes : ytbBytes; }

  std::vector<unsigned char> Build() const {
    Bytes f;
    f.Raw(yta ? std::string_view("yta\0", 4) : std::string_view("ytb\0", 4));
    const int storedRows[3] = {6, 13, 44};
    for (int table = 0; table < 3; ++table)
      for (int row = 0; row < storedRows[table]; ++row) {
        f.Field(symbols[table][row], Wide(10, 5)).Milli(0, 8).Milli(0, 8).Int(0, 4);
        if (table > 0) f.Int(0, 2);
        if (table == 2) f.Int(0, 2);
        f.Field(names[table][row], Wide(66, 33));
      }
    for (int i = 0; i < 400; ++i) f.Milli((i % 200) * 0.91, 8);
    for (int i = 0; i < 400; ++i) f.Int(0, 5);
    f.Milli(0.91, 8);
    // Count lines; the sixth and seventh counts are FloorSpecRect and RoofFloorTriangle.
    constexpr int kHeaderOrder[12] = {0, 1, 2, 3, 4, 6, 5, 7, 8, 9, 10, 11};
    for (int line = 0; line < 9; ++line)
      for (int k : kHeaderOrder) f.Int(line == 0 ? static_cast<long long>(lines[k].size()) : 0, 5);
    for (const auto& kind : lines)
      for (const std::string& line : kind) f.Raw(line);
    f.Raw(std::string_view("[kihon]\0", 8));

    f.Int(currentVariant, 5)
        .Int(revision, 5)
        .Int(1, 5)
        .Int(2, 5)
        .Int(0, 5)
        .Int(0, 5)
        .Int(0, 5)
        .Int(0, 5)
        .Nul();
    f.Zeros(Wide(162, 81)).Field(clientName, Wide(162, 81)).Zeros(Wide(66, 17));
    f.Zeros(2 * Wide(162, 81)).Zeros(Wide(66, 17)).Zeros(2 * Wide(162, 81));
    f.IntNul(0).IntNul(0).Zeros(Wide(130, 33)).IntNul(0).IntNul(0);
    f.Zeros(12 * Wide(22, 11));
    for (int i = 0; i < 8; ++i) f.IntNul(0);
    f.IntNul(0).MilliNul(0).MilliNul(1.0);
    for (int v : topStorey) f.IntNul(v);
    for (int i = 0; i < 9; ++i) f.IntNul(0);
    for (int i = 0; i < 15; ++i) f.MilliNul(0);
    f.IntNul(ground);
    f.IntNul(1).IntNul(0).IntNul(0).Zeros(2 * Wide(162, 81));
    f.Int(0, 5).Int(0, 5).Int(0, 5).Nul().Zeros(Wide(162, 81)).IntNul(0);
    f.Int(1, 5).Int(0, 5).Int(0, 5).Int(0, 5).Nul();
    DeteriorationPage(f, kDeteriorationPage, Wide(162, 81));
    for (int i = 0; i < 9; ++i) f.MilliNul(2.8);
    for (int i = 0; i < 15; ++i) f.IntNul(0);
    for (int i = 0; i < 5; ++i) {
      f.Field(floorSpecNames[i], Wide(66, 32)).Milli(floorSpecFactors[i], 16);
      if (!yta) f.Nul();
      f.Field(braceNames[i], Wide(66, 32)).Milli(braceFactors[i], 16);
      if (!yta) f.Nul();
    }
    for (int i = 0; i < 19; ++i) f.IntNul(0);

    for (const auto* groups : {&wallWeights, &rectLoads, &triangleLoads}) {
      for (const std::string& g : *groups) f.Raw(g);
    }
    for (double v : loadTakeOff) {
      f.Real(v, 5, 0);
      if (!yta) f.Nul();
    }
    for (const auto* groups : {&rectAddedLoads, &triangleAddedLoads}) {
      for (const std::string& g : *groups) f.Raw(g);
    }

    f.Int(1, 5).Int(0, 5).Nul().Field(useText, Wide(162, 81)).IntNul(1).IntNul(0);
    for (int i = 0; i < 45; ++i) f.MilliNul(0);
    f.IntNul(1).IntNul(100).IntNul(0).IntNul(0).IntNul(1).IntNul(0).IntNul(0);
    return f.data;
  }
};

// Kinds of the oldest layout, in the order of its record blocks.
enum Yt8Kind {
  Yt8Column,
  Yt8Wall,
  Yt8Rect,
  Yt8Triangle,
  Yt8SpecRect,
  Yt8SpecTriangle,
  Yt8Label,
  Yt8Foundation,
  Yt8FreeLine,
  Yt8Spare12
};

// A file of the layout "yt8", diagnosis (".ty0") or retrofit (".ty2").
// Everything not set below is zero or empty.
struct Yt8File {
  bool retrofit = false;

  // Grid: stored distances of the old axes 0 to 99 in metres, their kinds, the module.
  std::array<double, 100> storedX{}, storedY{};
  std::array<int, 100> kindX{}, kindY{};
  double module = 0.91;

  // Record lines by kind and by variant x 3 + storey.
  std::array<std::array<std::vector<std::string>, 9>, 10> lines;

  // Diagnosis outline.
  std::string clientName;  // raw code page 932 field content
  std::array<int, 3> topStorey = {1, 1, 1};
  int ground = 1;
  double regionZ = 1.0;
  int atticStorage0 = 0;
  int answer16 = 0, horizontalBraces = 0;

  // Retrofit: raw word fields of panel rows 34 to 43 and their numbers.
  std::array<std::string, 10> panelSymbols, panelNames;
  std::array<double, 10> panelStrengths{};
  int storedRevision = 1, methodCode = 0;
  std::array<double, 9> storeyHeights = {3, 2.8, 2.8, 3, 2.8, 2.8, 3, 2.8, 2.8};

  std::vector<unsigned char> Build() const {
    Bytes f;
    f.Raw(std::string_view("yt8\0", 4));
    if (retrofit) {
      for (int i = 0; i < 10; ++i)
        f.Field(panelSymbols[i], 5)
            .MilliNul(panelStrengths[i])
            .MilliNul(0)
            .MilliNul(0)
            .Field(panelNames[i], 23);
    } else {
      DiagnosisOutline(f);
    }
    for (const auto* stored : {&storedX, &storedY})
      for (double d : *stored) f.MilliNul(d);
    for (const auto* kinds : {&kindX, &kindY})
      for (int k : *kinds) f.IntNul(k);
    f.MilliNul(module);
    // Count lines: FloorSpecRect comes before RoofFloorTriangle.
    const int kinds = retrofit ? 10 : 9;
    constexpr int kCountOrder[10] = {Yt8Column,       Yt8Wall,  Yt8Rect,       Yt8SpecRect, Yt8Triangle,
                                     Yt8SpecTriangle, Yt8Label, Yt8Foundation, Yt8FreeLine, Yt8Spare12};
    for (int vs = 0; vs < 9; ++vs) {
      for (int k = 0; k < kinds; ++k) f.Int(static_cast<long long>(lines[kCountOrder[k]][vs].size()), 5);
      f.Nul();
    }
    for (int k = 0; k < kinds; ++k)
      for (const auto& list : lines[k])
        for (const std::string& line : list) f.Raw(line);
    if (retrofit)
      RetrofitOutline(f);
    else
      f.Zeros(3359);
    return f.data;
  }

 private:
  void DiagnosisOutline(Bytes& f) const {
    f.Zeros(81).Field(clientName, 81).Zeros(17).Zeros(17).Zeros(33).Zeros(409).Zeros(81);
    for (int v : topStorey) f.IntNul(v);
    f.Zeros(492);
    for (int i = 0; i < 3; ++i) f.IntNul(0);
    f.Zeros(36).Zeros(12 * 11);
    for (int i = 0; i < 8; ++i) f.IntNul(0);
    for (int i = 0; i < 15; ++i) f.MilliNul(0);
    f.IntNul(0).Zeros(6).MilliNul(regionZ).Zeros(17).MilliNul(0).Zeros(486).IntNul(ground).Zeros(427);
    f.IntNul(1).IntNul(0).IntNul(0).Zeros(81 * 2).Int(0, 5).Int(0, 5).Int(0, 5).Nul().Zeros(81);
    f.IntNul(1).Zeros(81);
    DeteriorationPage(f, kDiagnosisDeteriorationPage, 81);
    f.IntNul(atticStorage0).Zeros(346);
    f.Int(answer16, 5).Int(horizontalBraces, 5).Int(0, 5).Int(0, 5).Nul();
    f.Zeros(4390);
  }

  void RetrofitOutline(Bytes& f) const {
    f.Int(0, 5).Int(storedRevision, 5).Int(methodCode, 5).Nul();
    f.Zeros(81).Field(clientName, 81).Zeros(17).Zeros(81 * 2).Zeros(17).Zeros(81 * 2);
    f.IntNul(0).IntNul(0).Zeros(33).IntNul(0).IntNul(0).Zeros(12 * 11);
    for (int i = 0; i < 8; ++i) f.IntNul(0);
    f.IntNul(0).MilliNul(0).MilliNul(regionZ);
    for (int v : topStorey) f.IntNul(v);
    for (int i = 0; i < 9; ++i) f.IntNul(0);
    for (int i = 0; i < 15; ++i) f.MilliNul(0);
    f.Zeros(114).IntNul(ground).Zeros(346);
    f.IntNul(1).IntNul(0).IntNul(0).Zeros(81 * 2).Int(0, 5).Int(0, 5).Int(0, 5).Nul().Zeros(81).IntNul(0);
    f.Zeros(43).Int(1, 5).Int(horizontalBraces, 5).Int(0, 5).Int(0, 5).Nul();
    DeteriorationPage(f, kDeteriorationPage, 81);
    f.Zeros(15194);
    for (double h : storeyHeights) f.MilliNul(h);
  }
};
