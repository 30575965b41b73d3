#include "model/ElementTables.h"

#include <algorithm>

namespace {

struct FloorFactorStart {
  char16_t Name[FloorFactorNameCapacity];
  double Factor;
};

// Symbol, strength, stiffness, wall factor, diagnosis-only, name.
constexpr ElementSpecRow kMudWallTableStart[MudWallTableRows] = {
    {u"  ", 0.0, 0.0, 0.0, 0, u"無し"},     {u"??", 0.0, 0.0, 0.0, 0, u"不明"},
    {u"T1", 2.4, 480.0, 0.0, 1, u"4～5cm"}, {u"T2", 2.8, 560.0, 0.5, 1, u"5～7cm"},
    {u"T3", 3.5, 680.0, 0.5, 0, u"7～9cm"}, {u"T4", 3.9, 750.0, 0.5, 0, u"9cm～"},
};

constexpr ElementSpecRow kBraceTableStart[BraceTableRows] = {
    {u"  ", 0.0, 0.0, 0.0, 0, u"無し"},      {u"??", 0.0, 0.0, 0.0, 0, u"不明"},
    {u"BT", 1.6, 210.0, 1.0, 0, u"9mmφ"},    {u"B1", 1.6, 320.0, 1.0, 1, u"15x90"},
    {u"B2", 2.4, 480.0, 1.5, 0, u"30x90"},   {u"B2", 1.9, 390.0, 1.5, 1, u"30x90くぎ打ち"},
    {u"B3", 3.2, 650.0, 2.0, 0, u"45x90"},   {u"B3", 2.6, 520.0, 2.0, 1, u"45x90くぎ打ち"},
    {u"B4", 4.8, 830.0, 3.0, 0, u"90x90"},   {u"Ba", 0.0, 0.0, 0.0, 0, u"その他1"},
    {u"Bb", 0.0, 0.0, 0.0, 0, u"その他2"},   {u"B5", 1.3, 220.0, 0.0, 0, u"方杖添柱"},
    {u"B5", 0.7, 70.0, 0.0, 1, u"方杖添無"},
};

// Symbol, strength, stiffness, wall factor, diagnosis-only, display kind, name.
constexpr PanelSpecRow kPanelTableStart[PanelTableRows] = {
    {u"  ", 0.0, 0.0, 0.0, 0, 0, u"無し"},
    {u"??", 0.0, 0.0, 0.0, 0, 0, u"不明"},
    {u"K1", 0.8, 70.0, 0.5, 1, 0, u"木ずり釘打ち"},
    {u"P1", 5.2, 860.0, 2.5, 0, 0, u"構造用合板大壁四周N50"},
    {u"Pa", 4.5, 760.0, 2.5, 1, 0, u"構造用合板大壁四周FN50"},
    {u"Pb", 3.4, 1040.0, 2.5, 0, 0, u"構造用合板大壁四周ﾋﾞｽ"},
    {u"P3", 3.1, 470.0, 0.0, 0, 1, u"構造用合板大壁川の字N50"},
    {u"Q1", 5.0, 920.0, 2.5, 0, 0, u"構造用パネル四周N50"},
    {u"PB", 5.0, 1060.0, 0.0, 0, 0, u"ﾊﾟｰﾃｨｸﾙﾎﾞｰﾄﾞ四周N50"},
    {u"HB", 3.9, 1140.0, 0.0, 0, 0, u"ﾊｰﾄﾞﾎﾞｰﾄﾞ四周N50"},
    {u"HW", 4.1, 1020.0, 1.5, 0, 0, u"硬質木片ｾﾒﾝﾄ板四周N50"},
    {u"KK", 3.1, 780.0, 2.0, 0, 0, u"けい酸ｶﾙｼｳﾑ板四周GNF40"},
    {u"FB", 3.8, 930.0, 2.0, 0, 0, u"ﾌﾚｷｼﾌﾞﾙ板四周GNF40"},
    {u"SB", 3.0, 790.0, 1.0, 0, 0, u"ｼｰｼﾞﾝｸﾞﾎﾞｰﾄﾞ外100中200SN40"},
    {u"MS", 2.5, 810.0, 1.0, 0, 0, u"ﾗｽｼｰﾄ＋ﾓﾙﾀﾙ塗り"},
    {u"MK", 2.2, 610.0, 0.5, 0, 0, u"木ずり＋ﾓﾙﾀﾙ塗り"},
    {u"SH", 0.8, 200.0, 0.0, 1, 0, u"窯業系ｻｲﾃﾞｨﾝｸﾞ横張"},
    {u"SV", 1.2, 260.0, 0.0, 1, 0, u"窯業系ｻｲﾃﾞｨﾝｸﾞ12縦張"},
    {u"Sv", 1.7, 260.0, 0.0, 1, 0, u"窯業系ｻｲﾃﾞｨﾝｸﾞ縦張"},
    {u"P5", 5.0, 910.0, 2.5, 0, 2, u"構造用合板真壁四周N50"},
    {u"P2", 3.0, 430.0, 1.5, 0, 2, u"構造用合板真壁貫N50"},
    {u"G1", 2.6, 450.0, 0.9, 0, 0, u"石膏ﾎﾞｰﾄﾞ12大壁四周GN40"},
    {u"Ga", 1.6, 310.0, 0.9, 1, 0, u"石膏ﾎﾞｰﾄﾞ12大壁四周GNF25"},
    {u"Gb", 2.2, 510.0, 0.0, 0, 0, u"石膏ﾎﾞｰﾄﾞ12大壁四周ﾋﾞｽ"},
    {u"G3", 2.0, 340.0, 0.0, 0, 1, u"石膏ﾎﾞｰﾄﾞ12大壁川の字ﾋﾞｽ"},
    {u"Gc", 1.3, 350.0, 0.0, 0, 3, u"石膏ﾎﾞｰﾄﾞ12胴縁ﾋﾞｽ"},
    {u"Gd", 1.1, 180.0, 0.0, 0, 3, u"石膏ﾎﾞｰﾄﾞ12胴縁GN40"},
    {u"L1", 0.9, 200.0, 0.0, 1, 0, u"合板3mm大壁四周N25"},
    {u"G4", 1.3, 290.0, 0.0, 0, 2, u"石膏ﾎﾞｰﾄﾞ12真壁川の字GNF40"},
    {u"G5", 1.6, 440.0, 0.0, 0, 2, u"石膏ﾎﾞｰﾄﾞ12真壁貫ﾋﾞｽ"},
    {u"P4", 4.0, 730.0, 0.0, 0, 2, u"構造用合板真壁川の字N50"},
    {u"RB", 1.0, 200.0, 0.0, 0, 2, u"ﾗｽﾎﾞｰﾄﾞ真壁貫"},
    {u"RS", 1.3, 250.0, 0.0, 0, 2, u"ﾗｽﾎﾞｰﾄﾞ＋漆喰"},
    {u"RM", 1.8, 340.0, 0.0, 0, 2, u"ﾗｽﾎﾞｰﾄﾞ＋ﾓﾙﾀﾙ塗り"},
    {u"X1", 0.0, 0.0, 0.0, 0, 0, u"その他1"},
    {u"X2", 0.0, 0.0, 0.0, 0, 0, u"その他2"},
    {u"X3", 0.0, 0.0, 0.0, 0, 0, u"その他3"},
    {u"X4", 0.0, 0.0, 0.0, 0, 0, u"その他4"},
    {u"X5", 0.0, 0.0, 0.0, 0, 0, u"その他5"},
    {u"X6", 0.0, 0.0, 0.0, 0, 0, u"その他6"},
    {u"X7", 0.0, 0.0, 0.0, 0, 0, u"その他7"},
    {u"X8", 0.0, 0.0, 0.0, 0, 0, u"その他8"},
    {u"X9", 0.0, 0.0, 0.0, 0, 0, u"その他9"},
    {u"Xa", 0.0, 0.0, 0.0, 0, 0, u"その他10"},
    {u"Xb", 0.0, 0.0, 0.0, 0, 0, u"その他11"},
};

constexpr FloorFactorStart kFloorSpecTableStart[FloorSpecTableRows] = {
    {u"吹抜", 0.0},
    {u"床合板12mm根太落込@340", 2.0},
    {u"床合板12mm根太半欠@340", 1.6},
    {u"床合板12mm根太転ばし@340", 1.0},
    {u"床合板12mm根太落込@500", 1.4},
    {u"床合板12mm根太半欠@500", 1.12},
    {u"床合板12mm根太転ばし@500", 0.7},
    {u"構造用合板厚24mm4周釘打", 3.0},
    {u"構造用合板厚24mm川字釘打", 1.2},
    {u"杉12*180根太落込半欠@340", 0.39},
    {u"杉12*180根太転ばし@340", 0.3},
    {u"杉12*180根太落込@500", 0.26},
    {u"杉12*180根太半欠転ばし", 0.24},
    {u"屋根5寸勾配合板厚9mm", 0.7},
    {u"屋根矩勾配合板厚9mm", 0.5},
    {u"屋根5寸勾配杉板厚9*180", 0.2},
    {u"屋根矩勾配杉板厚9*180", 0.1},
    {u"その他１", 0.0},
    {u"その他２", 0.0},
    {u"その他３", 0.0},
    {u"その他４", 0.0},
    {u"その他５", 0.0},
};

constexpr FloorFactorStart kHorizontalBraceTableStart[HorizontalBraceTableRows] = {
    {u"火打なし", 0.0},
    {u"火打負担面積2.5㎡梁成240", 0.8},
    {u"火打負担面積2.5㎡梁成150", 0.6},
    {u"火打負担面積2.5㎡梁成105", 0.5},
    {u"火打負担面積3.3㎡梁成240", 0.48},
    {u"火打負担面積3.3㎡梁成150", 0.36},
    {u"火打負担面積3.3㎡梁成105", 0.3},
    {u"火打負担面積5.0㎡梁成240", 0.24},
    {u"火打負担面積5.0㎡梁成150", 0.18},
    {u"火打負担面積5.0㎡梁成105", 0.15},
    {u"その他１", 0.0},
    {u"その他２", 0.0},
    {u"その他３", 0.0},
    {u"その他４", 0.0},
    {u"その他５", 0.0},
};

constexpr JointHardwareRow kJointHardwareTableStart[JointHardwareTableRows] = {
    {u"接合部Ⅲ,Ⅳ <3kN\u3000", u"釘\u3000", 0.0},  {u"接合部Ⅱ   ≧3kN\u3000", u"VP  ", 5.0},
    {u"接合部Ⅰ   告示\u3000", u"告示", 10.0},     {u"接合部Ⅱ⁺  ≧7.5kN", u"HO  ", 7.5},
    {u"Ｎ値0.0の金物\u3000 ", u"い\u3000", 0.0},  {u"Ｎ値0.65の金物\u3000", u"ろ\u3000", 3.4},
    {u"Ｎ値1.0の金物\u3000 ", u"は\u3000", 5.1},  {u"Ｎ値1.4の金物 \u3000", u"に\u3000", 7.5},
    {u"Ｎ値1.6の金物 \u3000", u"ほ\u3000", 8.5},  {u"Ｎ値1.8の金物\u3000 ", u"へ\u3000", 10.0},
    {u"Ｎ値2.8の金物\u3000 ", u"と\u3000", 15.0}, {u"Ｎ値3.7の金物\u3000 ", u"ち\u3000", 20.0},
    {u"Ｎ値4.7の金物\u3000 ", u"り\u3000", 25.0}, {u"Ｎ値5.6の金物\u3000 ", u"ぬ\u3000", 30.0},
    {u"Ｎ値7.5の金物\u3000 ", u"ぬ+ ", 40.0},     {u"ユーザー定義1\u3000 ", u"U1  ", 0.0},
    {u"ユーザー定義2\u3000 ", u"U2  ", 0.0},      {u"ユーザー定義3\u3000 ", u"U3  ", 0.0},
    {u"ユーザー定義4\u3000 ", u"U4  ", 0.0},      {u"ユーザー定義5\u3000 ", u"U5  ", 0.0},
    {u"ユーザー定義6\u3000 ", u"U6  ", 0.0},      {u"ユーザー定義7\u3000 ", u"U7  ", 0.0},
    {u"ユーザー定義8\u3000 ", u"U8  ", 0.0},      {u"ユーザー定義9\u3000 ", u"U9  ", 0.0},
    {u"ユーザー定義10\u3000", u"U10 ", 0.0},      {u"ユーザー定義11\u3000", u"U11 ", 0.0},
    {u"ユーザー定義12\u3000", u"U12 ", 0.0},      {u"ユーザー定義13\u3000", u"U13 ", 0.0},
    {u"ユーザー定義14\u3000", u"U14 ", 0.0},      {u"ユーザー定義15\u3000", u"U15 ", 0.0},
};

template <typename Row, int N>
void CopyRows(Row (&dst)[N], const Row (&src)[N]) {
  std::copy(src, src + N, dst);
}

template <int N>
void CopyFloorRows(char16_t (&names)[N][FloorFactorNameCapacity], double (&factors)[N],
                   const FloorFactorStart (&src)[N]) {
  for (int i = 0; i < N; ++i) {
    std::copy(src[i].Name, src[i].Name + FloorFactorNameCapacity, names[i]);
    factors[i] = src[i].Factor;
  }
}

}  // namespace

PanelSpecRow PanelTable[PanelTableRows];
ElementSpecRow BraceTable[BraceTableRows];
ElementSpecRow MudWallTable[MudWallTableRows];
char16_t FloorSpecTableName[FloorSpecTableRows][FloorFactorNameCapacity];
double FloorSpecTableFactor[FloorSpecTableRows];
char16_t HorizontalBraceTableName[HorizontalBraceTableRows][FloorFactorNameCapacity];
double HorizontalBraceTableFactor[HorizontalBraceTableRows];
JointHardwareRow JointHardwareTable[JointHardwareTableRows];

void RestoreElementTableStartValues() {
  CopyRows(PanelTable, kPanelTableStart);
  CopyRows(BraceTable, kBraceTableStart);
  CopyRows(MudWallTable, kMudWallTableStart);
  CopyFloorRows(FloorSpecTableName, FloorSpecTableFactor, kFloorSpecTableStart);
  CopyFloorRows(HorizontalBraceTableName, HorizontalBraceTableFactor, kHorizontalBraceTableStart);
  CopyRows(JointHardwareTable, kJointHardwareTableStart);
}

namespace {
// The tables hold their start rows from program start.
const bool kTablesInitialised = (RestoreElementTableStartValues(), true);
}  // namespace

double FloorFactorOfSpecCode(int32_t specCode) {
  if (specCode < 0) return 0.0;
  const int32_t specRow = specCode % 32;
  const int32_t braceRow = specCode / 32;
  if (specRow >= FloorSpecTableRows || braceRow >= HorizontalBraceTableRows) return 0.0;
  return FloorSpecTableFactor[specRow] + HorizontalBraceTableFactor[braceRow];
}

const char16_t* const WallTypeLabels[WallTypeLabelCount] = {
    u"外周壁無開口壁",   u"外周壁マド＜１ｍ",   u"外周壁マド＜２ｍ",   u"外周壁マド＞２ｍ",
    u"外周壁戸＜１ｍ",   u"外周壁戸＜２ｍ",     u"外周壁戸＞２ｍ",     u"外周壁全開口壁",
    u"間仕切壁無開口壁", u"間仕切壁マド＜１ｍ", u"間仕切壁マド＜２ｍ", u"間仕切壁マド＞２ｍ",
    u"間仕切壁戸＜１ｍ", u"間仕切壁戸＜２ｍ",   u"間仕切壁戸＞２ｍ",   u"間仕切壁全開口壁",
};

const char16_t* const DeteriorationLabels[DeteriorationLabelCount] = {u"劣化", u"部分", u"なし"};

const char16_t* const JointClassLabels[JointClassLabelCount] = {
    u"告示",     u"ＶＰ",     u"釘通",     u"釘打",     u"ＨＤ",     u"い\u3000", u"ろ\u3000", u"は\u3000",
    u"に\u3000", u"ほ\u3000", u"へ\u3000", u"と\u3000", u"ち\u3000", u"り\u3000", u"ぬ\u3000", u"ぬ+ ",
    u"Ｕ１",     u"Ｕ２",     u"Ｕ３",     u"Ｕ４",     u"Ｕ５",     u"Ｕ６",     u"Ｕ７",     u"Ｕ８",
    u"Ｕ９",     u"ＵＡ",     u"ＵＢ",     u"ＵＣ",     u"ＵＤ",     u"ＵＥ",     u"ＵＦ",
};

const char16_t* const FoundationClassLabels[FoundationClassLabelCount] = {
    u"基Ⅰ", u"基Ⅱ", u"基Ⅲ", u"片流れ", u"両流れ", u"ﾊﾟﾗﾍﾟｯﾄ", u"", u"折損の可能性あり",
};

const char16_t* const WeightClassCaptionLine1[WeightClassCaptionCount] = {u"軽い建物", u"重い建物",
                                                                          u"非常に\u3000"};
const char16_t* const WeightClassCaptionLine2[WeightClassCaptionCount] = {
    u"\u3000\u3000\u3000\u3000", u"\u3000\u3000\u3000\u3000", u"重い建物"};

const char16_t* LabelAt(const char16_t* const* table, int count, int32_t index) {
  return index >= 0 && index < count ? table[index] : u"";
}
