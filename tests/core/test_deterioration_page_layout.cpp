// The deterioration page is stored in two layouts that share one description:
// the project file's and the oldest diagnosis file's. Each layout's field
// order is checked against the order the files hold, written out by hand:
// Tn a text, An an answer, "|" the end of a line.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "files/ProjectFileLayout.h"
#include "model/ProjectSettings.h"

namespace {

// Records the fields a layout moves, naming each by its place in the settings.
class FieldRecorder {
 public:
  explicit FieldRecorder(ProjectSettingsData& p) : p_(p) {}

  void Int(int32_t& v, int width) {
    EXPECT_EQ(width, 5);
    for (int i = 0; i < DeteriorationAnswerCount; ++i)
      if (&v == &p_.DeteriorationAnswer[i]) return Add("A" + std::to_string(i));
    ADD_FAILURE() << "a field off the deterioration answers";
  }
  void Nul() { order_ += " |"; }
  void Text(char16_t (&t)[80]) {
    if (&t == &p_.SpareDeteriorationText) return Add("S");
    for (int i = 0; i < DeteriorationTextCount; ++i)
      if (&t == &p_.DeteriorationText[i]) return Add("T" + std::to_string(i));
    ADD_FAILURE() << "a text off the deterioration texts";
  }

  const std::string& Order() const { return order_; }

 private:
  void Add(const std::string& field) { order_ += (order_.empty() ? "" : " ") + field; }

  ProjectSettingsData& p_;
  std::string order_;
};

std::string OrderOf(DeteriorationLayout layout) {
  static ProjectSettingsData p{};
  FieldRecorder recorder(p);
  TransferDeteriorationFields(recorder, p, layout, [&recorder](char16_t(&t)[80]) { recorder.Text(t); });
  return recorder.Order();
}

TEST(DeteriorationPageLayoutTest, EachLayoutHoldsItsFieldsInItsFileOrder) {
  struct Case {
    DeteriorationLayout layout;
    const char* order;
  };
  const Case cases[] = {
      // Every answer; answer 6 after text 7, answer 10 before the spare text.
      {DeteriorationLayout::Project,
       "T0 A0 | T1 T2 A1 A2 | T3 T4 A3 | T5 T6 A4 | A5 | T7 A6 | A7 | A8 | T9 T8 A9 | T10 A10 | S A11 | "
       "A12 A13 | A14 A15 | A16 |"},
      // No answers 7 and 16; answer 6 before text 7, the spare text before answer 10.
      {DeteriorationLayout::Diagnosis,
       "T0 A0 | T1 T2 A1 A2 | T3 T4 A3 | T5 T6 A4 | A5 | A6 | T7 A8 | T9 T8 A9 | T10 S A10 | A11 | A12 A13 | "
       "A14 A15 |"},
  };
  for (const Case& c : cases) EXPECT_EQ(OrderOf(c.layout), c.order);
}

TEST(DeteriorationPageLayoutTest, TheProjectLayoutMovesEveryTextAndAnswerOnce) {
  const std::string order = " " + OrderOf(DeteriorationLayout::Project) + " ";
  for (int i = 0; i < DeteriorationAnswerCount; ++i) {
    const std::string answer = " A" + std::to_string(i) + " ";
    EXPECT_EQ(order.find(answer), order.rfind(answer)) << answer;
    EXPECT_NE(order.find(answer), std::string::npos) << answer;
  }
  for (int i = 0; i < DeteriorationTextCount; ++i) {
    const std::string text = " T" + std::to_string(i) + " ";
    EXPECT_NE(order.find(text), std::string::npos) << text;
    EXPECT_EQ(order.find(text), order.rfind(text)) << text;
  }
  EXPECT_NE(order.find(" S "), std::string::npos);
}

}  // namespace
