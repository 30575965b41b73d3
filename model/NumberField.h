#pragma once
// The accepted range of every number that a dialog enters and a file holds:
// one entry per kind of value, with the name and unit the messages give.
// The file readers refuse a value outside its entry and the dialogs refuse
// to store one, so that what is saved can always be opened again.
#include <string>
#include <string_view>

struct NumberField {
  const char* Name;  // the field's name in messages
  const char* Unit;  // "" for a plain factor
  double Min, Max;
  // Min <= value <= Max; false for a NaN.
  constexpr bool Accepts(double value) const { return value >= Min && value <= Max; }
};

// The ranges. Magnitudes far beyond any real building; the fields whose file
// width already keeps them small are not listed. Quantities that cannot be
// negative (heights, areas, the factor Z, the snow load) start at 0.
struct NumberBounds {
  NumberField GridPosition{"通り芯の位置", "m", -1e4, 1e4};  // an axis from the origin
  NumberField GridModule{"モジュール", "m", -100, 100};
  NumberField StoreyHeight{"階高", "m", 0, 100};
  NumberField RegionFactorZ{"地域係数Ｚ", "", 0, 10};      // about 0.7 to 1.0
  NumberField SnowLoad{"積雪荷重", "", 0, 100};            // 0.26 x snow depth in m
  NumberField Area{"面積", "m²", 0, 1e6};                  // building, floor and zone areas
  NumberField FloorFactor{"床倍率", "", -1000, 1000};      // floor-type and horizontal brace factors
  NumberField TableStrength{"耐力・剛性", "", -1e5, 1e5};  // strength and stiffness of a table row
  NumberField TableWallFactor{"壁倍率", "", -1000, 1000};
  // What the project file's fields of a table row hold (thousandths in eight
  // characters, tenths in four): the table editor enters these, inside the
  // readers' bounds above, so that a value entered is saved as it is.
  NumberField TableStrengthHeld{"耐力・剛性", "", -9999.999, 99999.999};
  NumberField TableWallFactorHeld{"壁倍率", "", -99.9, 999.9};
  // A hardware's allowable tension: the reader takes what its field holds.
  NumberField HardwareTension{"引張耐力", "kN", 0, 99999};
  // A number of an element record in a seven-character field (loads, slopes,
  // heights): the reader takes what the field holds, the writer clamps to it.
  NumberField RecordNumber{"数値", "", -999999, 9999999};
  // A wall's height, part heights and wing walls: three decimals in seven
  // characters; none is negative (0 stands for the whole height).
  NumberField WallLength{"長さ", "m", 0, 999.999};
  // A wall's or gable wall's own weight in a seven-character field.
  NumberField WallWeight{"壁の重さ", "N/㎡", 0, 9999999};
  // A gable wall's height: two decimals in seven characters.
  NumberField GableHeight{"高さ", "m", 0, 9999.99};
  NumberField FreeLineOffset{"オフセット", "m", -1e4, 1e4};
  // The load take-off: the reader takes any number of its five-character
  // field, the writer clamps to it; a load cannot be negative.
  NumberField LoadTakeOff{"荷重", "N/㎡", 0, 99999};
};
inline constexpr NumberBounds FileNumberBounds{};

// 「<caption> は <min> ～ <max> <unit> の範囲で入力してください。」, the field's
// own name when caption is empty.
std::string NumberFieldMessage(const NumberField& field, std::string_view caption = {});

// A typed number for field: the value of the text when it is a number inside
// the range (full-width digits allowed), else false with value untouched.
bool ReadNumberField(const NumberField& field, std::string_view text, double& value);

// A number edit as a dialog filled it, so that OK gives back the exact stored
// value of an edit the user left alone, whatever format it shows.
struct FilledNumber {
  double Value = 0.0;
  std::string Text;
};

// The value of a filled edit now showing text: filled.Value while the text
// is the one filled in, else the typed number when it lies within field;
// false (value untouched) for any other text, an empty one included.
bool ReadFilledNumber(const FilledNumber& filled, std::string_view text, const NumberField& field,
                      double& value);
