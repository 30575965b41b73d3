#include "evaluation/DeteriorationFactor.h"

#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"

double DeteriorationFactor = 1.0;
double RetrofitDeteriorationFactor = 1.0;

namespace {

constexpr double kFactorFloor = 0.7;
constexpr double kRetrofitCap = 0.9;

// How an item's answer is coded.
enum class AnswerCoding {
  Standard,      // 0 sound, 1 found, anything else repaired
  MayBeMissing,  // gutters, downspouts: 0 sound, 1 found, 2 repaired, 3 and up absent
  ExposedFrame,  // 0 absent, 1 sound, 2 found, 3 and up repaired
};

enum class ItemState { Absent, Sound, Found, Repaired };

struct ItemRule {
  int answer;  // index into DeteriorationAnswer
  int32_t points;
  AnswerCoding coding;
  int presenceAnswer;  // answer that can make the item absent, or -1
  int32_t absentCode;  // value of that answer that does
};

constexpr ItemRule kItems[DeteriorationItemCount] = {
    {0, 2, AnswerCoding::Standard, -1, 0},                // roof
    {1, 2, AnswerCoding::MayBeMissing, -1, 0},            // gutters
    {2, 2, AnswerCoding::MayBeMissing, -1, 0},            // downspouts
    {3, 4, AnswerCoding::Standard, -1, 0},                // outer wall
    {4, 2, AnswerCoding::ExposedFrame, -1, 0},            // exposed frame
    {6, 1, AnswerCoding::Standard, 5, SettingOff},        // balcony railing wall (no balcony)
    {7, 1, AnswerCoding::Standard, 5, SettingOff},        // balcony junction with the outer wall
    {8, 1, AnswerCoding::Standard, 5, SettingOff},        // balcony floor drain
    {9, 2, AnswerCoding::Standard, -1, 0},                // inner wall, ordinary rooms
    {11, 2, AnswerCoding::Standard, 10, BathroomAbsent},  // inner wall, bathroom (no bathroom)
    {14, 2, AnswerCoding::Standard, -1, 0},               // floor, ordinary rooms
    {15, 1, AnswerCoding::Standard, -1, 0},               // floor, corridor
    {16, 2, AnswerCoding::Standard, -1, 0},               // foundation and under-floor members
};

// A code outside an item's range (only a damaged file can hold one) counts as
// repaired, as any unknown code of a standard item does: deteriorated for the
// current state, sound for the retrofit plans.
ItemState StateOf(const ItemRule& item) {
  const int32_t* answers = ProjectSettings.DeteriorationAnswer;
  const int32_t a = answers[item.answer];
  switch (item.coding) {
    case AnswerCoding::MayBeMissing:
      if (a >= AnswerPartAbsent) return ItemState::Absent;
      break;
    case AnswerCoding::ExposedFrame:
      if (a == ExposedFrameNone) return ItemState::Absent;
      if (a == ExposedFrameSound) return ItemState::Sound;
      if (a == ExposedFrameFound) return ItemState::Found;
      return ItemState::Repaired;
    case AnswerCoding::Standard:
      if (item.presenceAnswer >= 0 && answers[item.presenceAnswer] == item.absentCode)
        return ItemState::Absent;
      break;
  }
  if (a == AnswerSound) return ItemState::Sound;
  if (a == AnswerFound) return ItemState::Found;
  return ItemState::Repaired;
}

}  // namespace

int32_t DeteriorationItemPoints(int item) {
  return item >= 0 && item < DeteriorationItemCount ? kItems[item].points : 0;
}

// The quotient is taken only with existence points; without any the factor
// falls to its floor.
double DeteriorationFactorOfTotals(int32_t deteriorated, int32_t existing) {
  const double d =
      existing > 0 ? 1.0 - static_cast<double>(deteriorated) / static_cast<double>(existing) : 0.0;
  return d < kFactorFloor ? kFactorFloor : d;
}

void CalcDeteriorationFactor() {
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    const int32_t p = kItems[i].points;
    int32_t existence = p, deterioration = 0, retrofitDeterioration = 0;
    switch (StateOf(kItems[i])) {
      case ItemState::Absent:
        existence = 0;
        break;
      case ItemState::Sound:
        break;
      case ItemState::Found:
        deterioration = p;
        retrofitDeterioration = p;
        break;
      case ItemState::Repaired:
        deterioration = p;
        break;
    }
    ExistencePoints[i] = existence;
    DeteriorationPoints[i] = deterioration;
    RetrofitExistencePoints[i] = existence;
    RetrofitDeteriorationPoints[i] = retrofitDeterioration;
  }

  ExistencePointTotal = DeteriorationPointTotal = 0;
  RetrofitExistencePointTotal = RetrofitDeteriorationPointTotal = 0;
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    ExistencePointTotal += ExistencePoints[i];
    DeteriorationPointTotal += DeteriorationPoints[i];
    RetrofitExistencePointTotal += RetrofitExistencePoints[i];
    RetrofitDeteriorationPointTotal += RetrofitDeteriorationPoints[i];
  }

  DeteriorationFactor = DeteriorationFactorOfTotals(DeteriorationPointTotal, ExistencePointTotal);
  RetrofitDeteriorationFactor =
      DeteriorationFactorOfTotals(RetrofitDeteriorationPointTotal, RetrofitExistencePointTotal);

  // A repaired house is not credited as new: once the current state shows
  // deterioration the retrofit plans' factor is capped.
  if (DeteriorationFactor < 1.0) {
    switch (ProjectSettings.RetrofitDeteriorationRule) {
      case RetrofitCapHigherOfCurrent:
        RetrofitDeteriorationFactor =
            MinDouble(RetrofitDeteriorationFactor, MaxDouble(DeteriorationFactor, kRetrofitCap));
        break;
      case RetrofitCapWhenFound:
        RetrofitDeteriorationFactor = MinDouble(RetrofitDeteriorationFactor, kRetrofitCap);
        break;
      default:
        break;
    }
  }
}

void DeteriorationFactorFromPoints() {
  int32_t existing = 0, deteriorated = 0;
  for (int i = 0; i < DeteriorationItemCount; ++i) {
    existing += ExistencePoints[i];
    deteriorated += DeteriorationPoints[i];
  }
  DeteriorationFactor = DeteriorationFactorOfTotals(deteriorated, existing);
}
