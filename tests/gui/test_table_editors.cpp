// The element-table editor and the joint-hardware editor, driven through
// their buttons with scripted file dialogs and message boxes: OK without
// edits changes nothing (three decimals kept), edits reach the live tables
// and mark the project, Cancel after a Load keeps every live table, bad files
// are refused with a message, and saves write the exact layouts with the
// backup beside the file, reporting a failure that loses nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "GuiFixture.h"
#include "elements/ElementTableDialog.h"
#include "elements/JointHardwareDialog.h"
#include "files/ElementDataFile.h"
#include "files/JointHardwareFile.h"
#include "files/ProjectFile.h"
#include "model/FileState.h"
#include "platform/FileAccess.h"

namespace {

namespace fs = std::filesystem;

class TableEditorTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
    folder = fs::temp_directory_path() / ("quilmora-tables-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "elsewhere");
    fs::current_path(folder);
    ModifiedFlag = 0;
  }
  void TearDown() override {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder);
    GuiTest::TearDown();
  }

  // Opens the element-table editor from the main window's button; act plays the user.
  void EditElementTables(const std::function<void(TDkabetsuikaDlg&)>& act) {
    dialogs.Expect("DkabetsuikaDlg", [&](QDialog& d) { act(static_cast<TDkabetsuikaDlg&>(d)); });
    QuilmoraForm->Bkabetsuika->click();
    EXPECT_EQ(dialogs.Pending(), 0u);
  }
  void EditHardware(const std::function<void(TsetsuDlg&)>& act) {
    dialogs.Expect("setsuDlg", [&](QDialog& d) { act(static_cast<TsetsuDlg&>(d)); });
    RunModal(*setsuDlg);
    EXPECT_EQ(dialogs.Pending(), 0u);
  }

  static std::vector<unsigned char> Bytes(const fs::path& p) {
    std::vector<unsigned char> bytes;
    EXPECT_TRUE(ReadWholeFile(p.string(), bytes, nullptr)) << p;
    return bytes;
  }
  static void Write(const fs::path& p, const std::vector<unsigned char>& bytes) {
    ASSERT_TRUE(WriteWholeFile(p.string(), bytes.data(), bytes.size(), nullptr));
  }
  static ElementTableSet Live() {
    ElementTableSet set;
    CaptureElementTables(set);
    return set;
  }

  fs::path folder;
};

TEST_F(TableEditorTest, OkWithoutEditsChangesNothing) {
  PanelTable[40].Strength = 1.234;  // three decimals, as a file can bring
  BraceTable[9].Stiffness = 12345.678;
  HorizontalBraceTableFactor[12] = 0.125;
  const ElementTableSet before = Live();
  EditElementTables([](TDkabetsuikaDlg& dlg) {
    EXPECT_EQ(dlg.PanelEdits[40][TDkabetsuikaDlg::ColStrength]->text(), " 1.23");
    EXPECT_EQ(dlg.BraceEdits[9][TDkabetsuikaDlg::ColStiffness]->text(), "12345.68");  // held whole
    dlg.OKBtn->click();
  });
  EXPECT_TRUE(Live() == before);
  EXPECT_EQ(ModifiedFlag, 0);
}

TEST_F(TableEditorTest, EditsReachTheLiveTablesOnOk) {
  EditElementTables([](TDkabetsuikaDlg& dlg) {
    EXPECT_FALSE(dlg.PanelEdits[10][0]->isEnabled());
    EXPECT_TRUE(dlg.PanelEdits[34][0]->isEnabled());
    EXPECT_FALSE(dlg.PanelEdits[44][0]->isEnabled());  // not kept by the project file
    EXPECT_FALSE(dlg.BraceEdits[13][0]->isVisible());
    dlg.PanelEdits[34][TDkabetsuikaDlg::ColName]->setText(QStringLiteral("構造用合板"));
    dlg.PanelEdits[34][TDkabetsuikaDlg::ColStrength]->setText(QStringLiteral("2.5"));
    dlg.Ctc->click();
    EXPECT_TRUE(dlg.MudWallEdits[2][0]->isEnabled());
    EXPECT_FALSE(dlg.MudWallEdits[1][0]->isEnabled());
    dlg.MudWallEdits[2][TDkabetsuikaDlg::ColDiagnosis]->setText(QStringLiteral("0"));
    dlg.Ctc->click();  // locking again keeps the typing
    dlg.FloorSpecEdits[0][0]->setText(QStringLiteral("床A"));
    dlg.OKBtn->click();
  });
  EXPECT_EQ(std::u16string(PanelTable[34].Name), u"構造用合板");
  EXPECT_EQ(PanelTable[34].Strength, 2.5);
  EXPECT_EQ(MudWallTable[2].DiagnosisOnly, 0);
  EXPECT_EQ(std::u16string(FloorSpecTableName[17]), u"床A");
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(TableEditorTest, SaveAndLoadElementData) {
  const fs::path file = folder / "elsewhere" / "house.yd1";
  PanelTable[36].Stiffness = 321.125;  // shown "%7.2f", saved with its three decimals
  EditElementTables([&](TDkabetsuikaDlg& dlg) {
    files.Answer((folder / "elsewhere" / "house").string());  // the extension is added
    dlg.Bsave->click();
    const std::vector<unsigned char> saved = Bytes(file);
    ASSERT_EQ(saved.size(), 7099u);
    EXPECT_EQ(std::string(saved.begin() + 4 + 36 * 89 + 21, saved.begin() + 4 + 36 * 89 + 37),
              std::string(10, ' ') + "321125");
    EXPECT_EQ(files.Requests().back().DefaultSuffix, "yd1");
    files.Answer(file.string());
    dlg.Bsave->click();
    dlg.CancelBtn->click();
  });
  // The backup stays beside the file, not in the current folder.
  EXPECT_TRUE(fs::exists(folder / "elsewhere" / "house.BAK"));
  EXPECT_FALSE(fs::exists(folder / "house.BAK"));

  // A file with other user rows: Load and then Cancel leaves all five tables.
  ElementTableSet other = Live();
  other.Panels[36].Stiffness = 99;
  other.FloorSpecFactor[1] = 3.5;
  other.HorizontalBraceFactor[1] = 0.75;
  Write(folder / "other.yd1", WriteElementDataFile(other));
  const ElementTableSet before = Live();
  EditElementTables([&](TDkabetsuikaDlg& dlg) {
    files.Answer((folder / "other.yd1").string());
    dlg.Bload->click();
    EXPECT_EQ(dlg.PanelEdits[36][TDkabetsuikaDlg::ColStiffness]->text(), "  99.00");
    EXPECT_EQ(dlg.FloorSpecEdits[1][1]->text(), " 3.50");
    dlg.CancelBtn->click();
  });
  EXPECT_TRUE(Live() == before);
  // Load and OK take them.
  EditElementTables([&](TDkabetsuikaDlg& dlg) {
    files.Answer((folder / "other.yd1").string());
    dlg.Bload->click();
    dlg.OKBtn->click();
  });
  EXPECT_EQ(PanelTable[36].Stiffness, 99);
  EXPECT_EQ(FloorSpecTableFactor[18], 3.5);
  EXPECT_EQ(HorizontalBraceTableFactor[11], 0.75);
}

TEST_F(TableEditorTest, BadElementDataFilesAreRefused) {
  std::vector<unsigned char> good = WriteElementDataFile(Live());
  std::vector<unsigned char> yd2 = good;
  yd2[2] = '2';
  Write(folder / "a.yd1", yd2);
  Write(folder / "b.yd1", std::vector<unsigned char>(good.begin(), good.end() - 1));
  const ElementTableSet before = Live();
  EditElementTables([&](TDkabetsuikaDlg& dlg) {
    const QString shown = dlg.PanelEdits[34][0]->text();
    boxes.Expect("読み込みエラー", IDOK).Expect("読み込みエラー", IDOK).Expect("読み込みエラー", IDOK);
    files.Answer((folder / "a.yd1").string()).Answer((folder / "b.yd1").string());
    files.Answer((folder / "missing.yd1").string());
    dlg.Bload->click();
    dlg.Bload->click();
    dlg.Bload->click();
    EXPECT_EQ(dlg.PanelEdits[34][0]->text(), shown);
    dlg.OKBtn->click();
  });
  ASSERT_EQ(boxes.Calls().size(), 3u);
  EXPECT_EQ(boxes.Calls()[0].text, "Brenvik2012の\n\nデータファイルではありません。");
  EXPECT_EQ(boxes.Calls()[0].flags, 64);
  EXPECT_EQ(boxes.Calls()[1].text, "データが異常です。\n\n読み込みを中止します。");
  EXPECT_EQ(boxes.Calls()[1].flags, 32);
  EXPECT_EQ(boxes.Calls()[2].flags, 64);
  EXPECT_TRUE(Live() == before);
}

// 読込 of a FIFO used to wait for a writer with the window frozen; a file
// whose bytes a text-mode transfer shifted used to load with wrong names and
// values. Both are refused at once and the working copy stays as it was.
TEST_F(TableEditorTest, AFifoOrAShiftedHardwareFileIsRefusedAtOnce) {
  const fs::path fifo = folder / "pipe.yd2";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path shifted = fs::path(QUILMORA_TEST_DATA_DIR) / "datafiles" / "hardware-ue-lf-to-crlf.yd2";
  ASSERT_TRUE(fs::is_regular_file(shifted));
  EditHardware([&](TsetsuDlg& dlg) {
    const QString shown = dlg.Em[15]->text();
    boxes.Expect("読み込みエラー", IDOK).Expect("読み込みエラー", IDOK);
    files.Answer(fifo.string()).Answer(shifted.string());
    dlg.Bload->click();
    dlg.Bload->click();
    EXPECT_EQ(dlg.Em[15]->text(), shown);
    dlg.OKBtn->click();
  });
  ASSERT_EQ(boxes.Calls().size(), 2u);
  EXPECT_EQ(boxes.Calls()[0].text, "Brenvik2025の\n\n金物データファイルではありません。");
  EXPECT_EQ(boxes.Calls()[1].text, "データが異常です。\n\n読み込みを中止します。");
  EXPECT_EQ(std::u16string(JointHardwareTable[15].Name), u"ユーザー定義1\u3000 ");
  EXPECT_EQ(ModifiedFlag, 0);
}

TEST_F(TableEditorTest, AFailedSaveIsReportedAndKeepsTheOldFileAndItsBackup) {
  const fs::path file = folder / "house.yd1";
  Write(file, {'o', 'l', 'd'});
  Write(folder / "house.BAK", {'b', 'a', 'k'});
  // The disk fills up while the new file is written.
  SetSaveFailureHookForTests([](SaveStep step, std::size_t) { return step == SaveStep::Write ? ENOSPC : 0; });
  EditElementTables([&](TDkabetsuikaDlg& dlg) {
    boxes.Expect("保存エラー", IDOK);
    files.Answer(file.string());
    dlg.Bsave->click();
    dlg.CancelBtn->click();
  });
  SetSaveFailureHookForTests(nullptr);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text,
            "保存できませんでした。\n" + std::string(std::strerror(ENOSPC)) + "\n\n" + file.string());
  EXPECT_EQ(boxes.Calls()[0].flags, 16);
  EXPECT_EQ(Bytes(file), (std::vector<unsigned char>{'o', 'l', 'd'}));
  EXPECT_EQ(Bytes(folder / "house.BAK"), (std::vector<unsigned char>{'b', 'a', 'k'}));
}

TEST_F(TableEditorTest, HardwareEditorLocksThePredefinedRowsButLoadReplacesThem) {
  JointHardwareRow rows[JointHardwareTableRows];
  for (int r = 0; r < JointHardwareTableRows; ++r) rows[r] = JointHardwareTable[r];
  rows[2].AllowableTension = 11.125;
  rows[20].AllowableTension = 4.5;
  Write(folder / "hw.yd2", WriteJointHardwareFile(rows));
  EditHardware([&](TsetsuDlg& dlg) {
    EXPECT_TRUE(dlg.Rsetsu1->isChecked());
    EXPECT_FALSE(dlg.Em[0]->isEnabled());
    EXPECT_FALSE(dlg.Et[14]->isEnabled());
    EXPECT_TRUE(dlg.Et[15]->isEnabled());
    files.Answer((folder / "hw.yd2").string());
    dlg.Bload->click();
    EXPECT_EQ(dlg.Et[2]->text(), "11.12");  // printf rounds the exact half to even
    dlg.OKBtn->click();
  });
  EXPECT_EQ(JointHardwareTable[2].AllowableTension, 11.125);  // three decimals kept
  EXPECT_EQ(JointHardwareTable[20].AllowableTension, 4.5);
  EXPECT_EQ(ModifiedFlag, 1);
}

TEST_F(TableEditorTest, HardwareEditsSaveAndRefusals) {
  EditHardware([&](TsetsuDlg& dlg) {
    dlg.Et[15]->setText(QStringLiteral("7.5"));
    dlg.Ek[15]->setText(QStringLiteral("X1"));
    dlg.Et[0]->setText(QStringLiteral("9"));  // locked: not read
    files.Answer((folder / "elsewhere" / "hw").string());
    dlg.Bsave->click();
    files.Answer((folder / "elsewhere" / "hw.yd2").string());
    dlg.Bsave->click();
    boxes.Expect("読み込みエラー", IDOK);
    Write(folder / "e.yd2", WriteElementDataFile(Live()));
    files.Answer((folder / "e.yd2").string());
    dlg.Bload->click();
    dlg.OKBtn->click();
  });
  const std::vector<unsigned char> saved = Bytes(folder / "elsewhere" / "hw.yd2");
  ASSERT_EQ(saved.size(), 3034u);
  EXPECT_EQ(std::string(saved.begin() + 4 + 15 * 101 + 85, saved.begin() + 4 + 15 * 101 + 101),
            std::string(12, ' ') + "7500");
  EXPECT_TRUE(fs::exists(folder / "elsewhere" / "hw.BAK"));
  EXPECT_FALSE(fs::exists(folder / "hw.BAK"));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Brenvik2025の\n\n金物データファイルではありません。");
  EXPECT_EQ(boxes.Calls()[0].flags, 64);
  EXPECT_EQ(JointHardwareTable[15].AllowableTension, 7.5);
  EXPECT_EQ(std::u16string(JointHardwareTable[15].Symbol), u"X1");
  EXPECT_EQ(JointHardwareTable[0].AllowableTension, 0);
}

// A number outside the range the project file reader accepts, or not a
// number, is refused on OK with a message naming the row, the column and the
// range; the editor stays open and the live table keeps its value. The value
// just inside is applied and survives a save and a read of the project.
TEST_F(TableEditorTest, NumbersOutsideTheReadersRangeAreRefused) {
  using D = TDkabetsuikaDlg;
  const struct {
    const char* what;
    QLineEdit* (*edit)(D&);
    double* (*live)();
    const char* outside;
    const char* inside;
    double value;
    const char* message;
  } cases[] = {
      {"wall factor", [](D& d) { return d.PanelEdits[34][D::ColWallFactor]; },
       [] { return &PanelTable[34].WallFactor; }, "1000", "-99", -99,
       "合板 壁倍率 は -99.9 ～ 999.9 の範囲で入力してください。"},
      {"strength with a comma", [](D& d) { return d.PanelEdits[34][D::ColStrength]; },
       [] { return &PanelTable[34].Strength; }, "2,5", "２．５", 2.5,
       "合板 耐力 は -9999.999 ～ 99999.999 の範囲で入力してください。"},
      {"stiffness", [](D& d) { return d.PanelEdits[34][D::ColStiffness]; },
       [] { return &PanelTable[34].Stiffness; }, "-10000", "-9999", -9999,
       "合板 剛性 は -9999.999 ～ 99999.999 の範囲で入力してください。"},
      {"floor factor", [](D& d) { return d.FloorSpecEdits[1][1]; },
       [] { return &FloorSpecTableFactor[FirstFloorSpecUserRow + 1]; }, "abc", "-999", -999,
       "床B 倍率 は -1000 ～ 1000 の範囲で入力してください。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const double before = *c.live();
    boxes.Expect(IDOK);
    EditElementTables([&](D& dlg) {
      dlg.PanelEdits[34][D::ColName]->setText(QStringLiteral("合板"));
      dlg.FloorSpecEdits[1][0]->setText(QStringLiteral("床B"));
      c.edit(dlg)->setText(QString::fromUtf8(c.outside));
      dlg.OKBtn->click();
      EXPECT_TRUE(dlg.isVisible());
      EXPECT_EQ(*c.live(), before);
      ASSERT_FALSE(boxes.Calls().empty());
      EXPECT_EQ(boxes.Calls().back().text, c.message);
      c.edit(dlg)->setText(QString::fromUtf8(c.inside));
      dlg.OKBtn->click();
      EXPECT_FALSE(dlg.isVisible());
    });
    EXPECT_EQ(boxes.Pending(), 0u);
    EXPECT_EQ(*c.live(), c.value);
    const std::vector<unsigned char> saved = WriteProjectFile();
    *c.live() = 7;
    ASSERT_TRUE(ReadProjectFile(std::span(saved).subspan(4)));
    EXPECT_EQ(*c.live(), c.value);
  }
  // The hardware editor: a negative tension is refused the same way.
  boxes.Expect(IDOK);
  EditHardware([&](TsetsuDlg& dlg) {
    dlg.Em[16]->setText(QStringLiteral("金物"));
    dlg.Et[16]->setText(QStringLiteral("-1"));
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_FALSE(boxes.Calls().empty());
    EXPECT_EQ(boxes.Calls().back().text, "金物 引張耐力 は 0 ～ 99999 kN の範囲で入力してください。");
    dlg.Et[16]->setText(QStringLiteral("９９９９９"));
    dlg.OKBtn->click();
  });
  EXPECT_EQ(JointHardwareTable[16].AllowableTension, 99999);
  EXPECT_EQ(std::u16string(JointHardwareTable[16].Name), u"金物");
}

}  // namespace
