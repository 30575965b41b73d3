// The predefined rows of the element tables: values, texts with their exact
// trailing blanks, user and empty rows, and that a model reset leaves the
// tables alone.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "model/ElementTables.h"

namespace {

using ElementTableTest = ModelTest;

struct SpecRowCase {
  const char* table;
  int row;
  const char* symbol;
  const char* name;
  double strength, stiffness, wallFactor;
  int diagnosisOnly;
};

TEST_F(ElementTableTest, MudWallAndBraceRows) {
  const SpecRowCase cases[] = {
      {"mud", 0, "  ", "無し", 0, 0, 0, 0},
      {"mud", 1, "??", "不明", 0, 0, 0, 0},
      {"mud", 2, "T1", "4～5cm", 2.4, 480, 0, 1},
      {"mud", 3, "T2", "5～7cm", 2.8, 560, 0.5, 1},
      {"mud", 5, "T4", "9cm～", 3.9, 750, 0.5, 0},
      {"brace", 2, "BT", "9mmφ", 1.6, 210, 1, 0},
      {"brace", 4, "B2", "30x90", 2.4, 480, 1.5, 0},
      {"brace", 5, "B2", "30x90くぎ打ち", 1.9, 390, 1.5, 1},
      {"brace", 7, "B3", "45x90くぎ打ち", 2.6, 520, 2, 1},
      {"brace", 8, "B4", "90x90", 4.8, 830, 3, 0},
      {"brace", 9, "Ba", "その他1", 0, 0, 0, 0},
      {"brace", 10, "Bb", "その他2", 0, 0, 0, 0},
      {"brace", 12, "B5", "方杖添無", 0.7, 70, 0, 1},
      {"brace", 13, "", "", 0, 0, 0, 0},
      {"mud", 14, "", "", 0, 0, 0, 0},
  };
  for (const SpecRowCase& c : cases) {
    SCOPED_TRACE(std::string(c.table) + " row " + std::to_string(c.row));
    const ElementSpecRow& row = std::string(c.table) == "mud" ? MudWallTable[c.row] : BraceTable[c.row];
    EXPECT_EQ(U8(row.Symbol), c.symbol);
    EXPECT_EQ(U8(row.Name), c.name);
    EXPECT_DOUBLE_EQ(row.Strength, c.strength);
    EXPECT_DOUBLE_EQ(row.Stiffness, c.stiffness);
    EXPECT_DOUBLE_EQ(row.WallFactor, c.wallFactor);
    EXPECT_EQ(row.DiagnosisOnly, c.diagnosisOnly);
  }
}

TEST_F(ElementTableTest, PanelRows) {
  struct Case {
    int row;
    const char* symbol;
    const char* name;
    double strength, stiffness, wallFactor;
    int diagnosisOnly, displayKind;
  } cases[] = {
      {0, "  ", "無し", 0, 0, 0, 0, 0},
      {2, "K1", "木ずり釘打ち", 0.8, 70, 0.5, 1, 0},
      {3, "P1", "構造用合板大壁四周N50", 5.2, 860, 2.5, 0, 0},
      {6, "P3", "構造用合板大壁川の字N50", 3.1, 470, 0, 0, 1},
      {7, "Q1", "構造用パネル四周N50", 5, 920, 2.5, 0, 0},
      {13, "SB", "ｼｰｼﾞﾝｸﾞﾎﾞｰﾄﾞ外100中200SN40", 3, 790, 1, 0, 0},
      {21, "G1", "石膏ﾎﾞｰﾄﾞ12大壁四周GN40", 2.6, 450, 0.9, 0, 0},
      {25, "Gc", "石膏ﾎﾞｰﾄﾞ12胴縁ﾋﾞｽ", 1.3, 350, 0, 0, 3},
      {33, "RM", "ﾗｽﾎﾞｰﾄﾞ＋ﾓﾙﾀﾙ塗り", 1.8, 340, 0, 0, 2},
      {34, "X1", "その他1", 0, 0, 0, 0, 0},
      {43, "Xa", "その他10", 0, 0, 0, 0, 0},
      {44, "Xb", "その他11", 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    const PanelSpecRow& row = PanelTable[c.row];
    EXPECT_EQ(U8(row.Symbol), c.symbol);
    EXPECT_EQ(U8(row.Name), c.name);
    EXPECT_DOUBLE_EQ(row.Strength, c.strength);
    EXPECT_DOUBLE_EQ(row.Stiffness, c.stiffness);
    EXPECT_DOUBLE_EQ(row.WallFactor, c.wallFactor);
    EXPECT_EQ(row.DiagnosisOnly, c.diagnosisOnly);
    EXPECT_EQ(row.DisplayKind, c.displayKind);
  }
}

TEST_F(ElementTableTest, JointHardwareTextsKeepTheirBlanks) {
  struct Case {
    int row;
    const char16_t* name;
    const char16_t* symbol;
    double tension;
  } cases[] = {
      {0, u"接合部Ⅲ,Ⅳ <3kN\u3000", u"釘\u3000", 0},   {1, u"接合部Ⅱ   ≧3kN\u3000", u"VP  ", 5},
      {3, u"接合部Ⅱ⁺  ≧7.5kN", u"HO  ", 7.5},         {4, u"Ｎ値0.0の金物\u3000 ", u"い\u3000", 0},
      {7, u"Ｎ値1.4の金物 \u3000", u"に\u3000", 7.5}, {14, u"Ｎ値7.5の金物\u3000 ", u"ぬ+ ", 40},
      {15, u"ユーザー定義1\u3000 ", u"U1  ", 0},      {23, u"ユーザー定義9\u3000 ", u"U9  ", 0},
      {24, u"ユーザー定義10\u3000", u"U10 ", 0},      {29, u"ユーザー定義15\u3000", u"U15 ", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(std::u16string_view(JointHardwareTable[c.row].Name), std::u16string_view(c.name));
    EXPECT_EQ(std::u16string_view(JointHardwareTable[c.row].Symbol), std::u16string_view(c.symbol));
    EXPECT_DOUBLE_EQ(JointHardwareTable[c.row].AllowableTension, c.tension);
  }
}

TEST_F(ElementTableTest, FloorTables) {
  EXPECT_EQ(U8(FloorSpecTableName[0]), "吹抜");
  EXPECT_EQ(U8(FloorSpecTableName[12]), "杉12*180根太半欠転ばし");
  EXPECT_DOUBLE_EQ(FloorSpecTableFactor[5], 1.12);
  EXPECT_EQ(U8(FloorSpecTableName[17]), "その他１");
  EXPECT_EQ(U8(FloorSpecTableName[21]), "その他５");
  EXPECT_EQ(U8(HorizontalBraceTableName[9]), "火打負担面積5.0㎡梁成105");
  EXPECT_DOUBLE_EQ(HorizontalBraceTableFactor[9], 0.15);
  EXPECT_EQ(U8(HorizontalBraceTableName[14]), "その他５");

  // Floor-specification code 12 + 32 x 3: 0.24 of the floor row plus 0.5 of the brace row.
  EXPECT_DOUBLE_EQ(FloorFactorOfSpecCode(12 + 32 * 3), 0.74);
  EXPECT_DOUBLE_EQ(FloorFactorOfSpecCode(7), 3.0);
  // Codes naming no row give nothing rather than reading past a table.
  EXPECT_DOUBLE_EQ(FloorFactorOfSpecCode(22), 0.0);
  EXPECT_DOUBLE_EQ(FloorFactorOfSpecCode(32 * 15), 0.0);
  EXPECT_DOUBLE_EQ(FloorFactorOfSpecCode(-1), 0.0);
}

TEST_F(ElementTableTest, LabelTables) {
  EXPECT_EQ(U8(WallTypeLabels[0]), "外周壁無開口壁");
  EXPECT_EQ(U8(WallTypeLabels[9]), "間仕切壁マド＜１ｍ");
  EXPECT_EQ(U8(WallTypeLabels[15]), "間仕切壁全開口壁");
  EXPECT_EQ(std::u16string_view(JointClassLabels[5]), u"い\u3000");
  EXPECT_EQ(std::u16string_view(JointClassLabels[15]), u"ぬ+ ");
  EXPECT_EQ(U8(JointClassLabels[30]), "ＵＦ");
  EXPECT_EQ(U8(FoundationClassLabels[6]), "");
  EXPECT_EQ(U8(FoundationClassLabels[7]), "折損の可能性あり");
  EXPECT_EQ(std::u16string_view(WeightClassCaptionLine1[2]), u"非常に\u3000");
  EXPECT_EQ(std::u16string_view(WeightClassCaptionLine2[0]), u"\u3000\u3000\u3000\u3000");
  EXPECT_EQ(U8(DeteriorationLabels[1]), "部分");
  // An index outside a label table gives the empty text.
  EXPECT_EQ(U8(LabelAt(JointClassLabels, JointClassLabelCount, 31)), "");
  EXPECT_EQ(U8(LabelAt(WallTypeLabels, WallTypeLabelCount, -1)), "");
  EXPECT_EQ(U8(LabelAt(WallTypeLabels, WallTypeLabelCount, 4)), "外周壁戸＜１ｍ");
}

TEST_F(ElementTableTest, ModelResetLeavesTheTablesAsTheyAre) {
  PanelTable[34].Strength = 3.3;
  PanelTable[34].Name[0] = u'A';
  PanelTable[34].Name[1] = 0;
  JointHardwareTable[20].AllowableTension = 12.5;
  FloorSpecTableFactor[17] = 1.25;
  for (int32_t mode : {ResetForNewProject, ResetBeforeLoad}) {
    ResetModel(mode);
    EXPECT_DOUBLE_EQ(PanelTable[34].Strength, 3.3);
    EXPECT_EQ(U8(PanelTable[34].Name), "A");
    EXPECT_DOUBLE_EQ(JointHardwareTable[20].AllowableTension, 12.5);
    EXPECT_DOUBLE_EQ(FloorSpecTableFactor[17], 1.25);
  }
}

}  // namespace
