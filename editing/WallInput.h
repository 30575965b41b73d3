#pragma once
// Placing, changing and deleting walls by two picked grid points. Two points
// joined by no wall append a wall with the settings that the wall palette's
// controls show, after the crossing test and the questions about end
// columns, columns on the wall and braces in walls with openings. The ends of
// an existing wall open its change dialog, whose result is applied here:
// change, deletion, bring to front; in a retrofit plan a changed wall is
// checked for elements meant for the current state, and the columns at its
// ends may get the 告示 hardware.
#include <cstdint>
#include <functional>

#include "model/ElementRecords.h"

// A wall's attributes besides its ends, coded as the WallRecord fields of the
// same names.
struct WallSettings {
  int32_t OpeningKind;  // 0 無開口, 1 窓, 2 戸, 3 全開口
  int32_t NoStrength;
  int32_t FittingSymbol;
  double WingWallStart, WingWallEnd;
  int32_t FlipInOut, FlipLeftRight;
  int32_t BraceKind, BraceEndJoint, BraceArrangement;
  int32_t MudWallKind;
  int32_t PanelLeft, PanelRight;
  int32_t FurringLeft, FurringRight;
  double Height, BraceHeight, MudWallHeight, PanelLeftHeight, PanelRightHeight;
  int32_t Deterioration;
  int32_t WeightClass;
  double Weight;

  bool operator==(const WallSettings&) const = default;
};

// The settings a wall record carries.
WallSettings SettingsOfWall(const WallRecord& wall);
// Writes settings into a wall, but a coded value outside its list or table
// keeps the wall's own, so that no wall ever indexes outside a table.
void PutWallSettings(WallRecord& wall, const WallSettings& settings);

// The palette's memory (壁の設定): written by its handlers and by 要素の取得
// of the change dialog; no model reset touches it. Starts with every value 0
// but the deterioration (2: no deterioration).
extern WallSettings NewWallDefaults;
// What the palette's controls show at this moment, kept in step with them by
// the palette. New walls take their settings from here, not from
// NewWallDefaults: the deterioration and weight controls have no handlers,
// and the furring lists keep their own choice.
extern WallSettings WallPaletteControls;
// Both back at their start values (for tests and the palette's creation).
void ResetWallPaletteSettings();

// Deterioration code: frame 0 劣化, 1 部分, 2 なし in the lowest two bits;
// core, left panel and right panel states 0 なし, 1 部分, 2 劣化 in the next
// pairs (worth 4, 16 and 64).
enum WallDeteriorationPart : int32_t {
  DeteriorationFrame = 0,
  DeteriorationCore = 1,
  DeteriorationLeftPanel = 2,
  DeteriorationRightPanel = 3,
};
// The state 0..3 of one part (3 stands for no radio of the group).
int32_t DeteriorationPartOf(int32_t code, int32_t part);
// The code with one part's state replaced.
int32_t WithDeteriorationPart(int32_t code, int32_t part, int32_t state);

// The results of the change dialog in WallChangeBuffer.Result.
enum WallChangeResult : int32_t {
  WallChangeApply = 0,       // OK wrote the wall
  WallChangeCancel = 1,      // キャンセル, 要素の取得
  WallChangeNotApplied = 2,  // closed without writing: its close box, or OK refused; acts as キャンセル
  WallChangeDelete = 100,    // 消去
  WallChangeToFront = 200,   // 手前に表示
};

// The exchange with the change dialog: the wall's settings, where it stands
// and its joint and foundation classes from the last analysis.
struct WallChangeExchange : WallSettings {
  int32_t Result;
  int32_t WallIndex;
  int32_t JointSpec;
  int32_t FoundationClass;
};
extern WallChangeExchange WallChangeBuffer;

// Shows the change dialog modally over WallChangeBuffer; the dialog takes the
// wall's classes from the analysis results, sets the result and pushes the
// undo snapshot before a change, a deletion or a bring to front. The GUI
// installs it; without one the dialog counts as closed by its close box.
void SetWallChangeDialog(std::function<void()> dialog);

// The dialog's OK over the settings its controls show (coded values outside
// their lists keep the wall's own): refuses strength elements in a fully
// open wall, asks before a brace goes into a wall with an opening, then
// pushes the undo snapshot, writes the wall WallChangeBuffer.WallIndex of the
// current variant and storey and sets the result to WallChangeApply. False
// when it stopped (the result stays WallChangeNotApplied). endColumnChoice:
// the radio of 改修案入力時の両端柱, 0 変更しない, 1 告示にする（今回のみ）,
// 2 常に告示にする; it sets NotifiedEndColumns when the change was written.
bool ApplyWallChangeDialog(const WallSettings& controls, int32_t endColumnChoice);

// 要素の取得: the dialog's settings become the palette's memory, but for the
// no-strength flag and the furrings, which the palette keeps.
void TakeWallSettingsIntoPalette(const WallSettings& controls);

// The BraceTable row meant for the current state that a brace of this kind
// and end joint uses: 3 ("15x90"), 5 and 7 (the nailed braces), 12
// ("方杖添無"); 0 for any other brace.
int32_t DiagnosisOnlyBraceRow(int32_t braceKind, int32_t braceEndJoint);

// The wall between grid points (x1, y1) and (x2, y2) of the current variant
// and storey: appended, or, when a wall joins the two points in either
// order, changed through its dialog. 1 when a wall was appended, changed,
// removed or brought to front or the dialog closed without a change; 0 when
// nothing was added or changed (same point, full storey, refusal, いいえ, or
// a change taken back after the question about elements meant for the
// current state). Repaints on every path but the silent refusal of a full
// storey; never touches ModifiedFlag.
int32_t InputWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The messages.
inline constexpr const char* WallCrossingMessage = "壁が交差しているか重なっています。\n\n";
inline constexpr const char* WallErrorCaption = "壁入力エラー";
inline constexpr const char* WallEndColumnQuestion =
    "両端に柱が無い壁は耐力無しとなります。\n\n入力する --- はい\n\n入力しない --- いいえ\n\n";
inline constexpr const char* WallQuestionCaption = "壁入力問い合わせ";
inline constexpr const char* WallOnColumnMessage =
    "柱に重なります。\n\n柱を消すか壁を分けて入力して下さい\n\n";
inline constexpr const char* WallBraceQuestion =
    "有開口壁に筋かいを入れますか。\n\n入力する --- はい\n\n入力しない --- いいえ\n\n";
inline constexpr const char* WallDiagnosisOnlyQuestion =
    "診断専用壁要素は改修時の補強に使えません。\n\nそれでも入力する --- はい\n\n　　　入力しない --- "
    "いいえ\n\n";
inline constexpr const char* WallDiagnosisOnlyCaption = "診断専用壁要素";
inline constexpr const char* WallNoStrengthMessage = "耐力無壁には耐力要素は入れられません。\n\n";
