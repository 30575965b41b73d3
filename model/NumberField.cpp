#include "model/NumberField.h"

#include "platform/Format.h"
#include "platform/NumberText.h"

namespace {

std::string Bound(double v) { return FormatA("%.10g", v); }

}  // namespace

std::string NumberFieldMessage(const NumberField& field, std::string_view caption) {
  std::string text(caption.empty() ? std::string_view(field.Name) : caption);
  text += " は " + Bound(field.Min) + " ～ " + Bound(field.Max);
  if (*field.Unit) text += std::string(" ") + field.Unit;
  return text + " の範囲で入力してください。";
}

bool ReadNumberField(const NumberField& field, std::string_view text, double& value) {
  double read = 0.0;
  if (!ParseNumberText(text, read) || !field.Accepts(read)) return false;
  value = read;
  return true;
}

bool ReadFilledNumber(const FilledNumber& filled, std::string_view text, const NumberField& field,
                      double& value) {
  if (text == filled.Text) {
    value = filled.Value;
    return true;
  }
  return ReadNumberField(field, text, value);
}
