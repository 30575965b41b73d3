#pragma once
// What the forms of the program have in common: child widgets named by their
// component name (tests and the results panel find them by it), the modal
// results the dialogs close with, the OK / キャンセル row, groups of radios
// that stand for the integer codes of one setting and check boxes that stand
// for a pair of codes. Captions are given in UTF-8, names in ASCII.
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <type_traits>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;
class QWidget;

// The results with which the dialogs close, numbered as the forms' buttons
// give them.
enum ModalResult : int { ModalNone = 0, ModalOk = 1, ModalCancel = 2, ModalYes = 6 };

// Gives widget its component name.
template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  return Named(widget, QString::fromLatin1(name));
}

// Named widgets with a caption; a null name leaves the widget unnamed.
QLabel* NewLabel(QWidget* parent, const char* name, const char* caption = "");
QPushButton* NewButton(QWidget* parent, const char* name, const char* caption);
QCheckBox* NewCheckBox(QWidget* parent, const char* name, const char* caption);
QGroupBox* NewGroupBox(QWidget* parent, const char* name, const char* caption);

// The top-down layout of a form with its margins (left, top, right, bottom)
// and, unless -1, the spacing between its items.
QVBoxLayout* NewColumnLayout(QWidget* form, int left, int top, int right, int bottom, int spacing = -1);

// The OK / キャンセル buttons of a dialog.
struct OkCancelButtons {
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

// A new row with OK (the default button, captioned okCaption) and キャンセル at
// its right end; further buttons may go before or between them. The caller
// adds the row to the dialog's layout.
QHBoxLayout* NewOkCancelRow(QDialog* dialog, OkCancelButtons& buttons, const char* okCaption = "OK");

// OK runs onOk and then closes the dialog with ModalOk, unless onOk returns
// false (the dialog stays open); キャンセル runs onCancel and closes it with
// ModalCancel.
void CloseOnOkCancel(QDialog* dialog, const OkCancelButtons& buttons, std::function<bool()> onOk = nullptr,
                     std::function<void()> onCancel = nullptr);
// The same with the dialog's own handlers; an OK handler that returns void
// always closes.
template <typename Dialog, typename OkResult>
void CloseOnOkCancel(Dialog* dialog, OkResult (Dialog::*onOk)(), void (Dialog::*onCancel)() = nullptr) {
  CloseOnOkCancel(
      dialog, *dialog,
      [dialog, onOk] {
        if constexpr (std::is_same_v<OkResult, bool>) {
          return (dialog->*onOk)();
        } else {
          (dialog->*onOk)();
          return true;
        }
      },
      onCancel ? std::function<void()>([dialog, onCancel] { (dialog->*onCancel)(); }) : nullptr);
}

// A dialog that Esc and the close box leave with the cancel result, as
// キャンセル does.
class TCancelableDialog : public QDialog {
  Q_OBJECT

 public:
  using QDialog::QDialog;

 public slots:
  void reject() override;
};

// One radio of a group: its component name, caption and code; where the
// dialog keeps it (may be null); its cell when the group is laid out on a
// grid (row -1: appended to a box layout).
struct RadioItem {
  const char* Name;
  const char* Caption;
  int Code;
  QRadioButton** Member = nullptr;
  int Row = -1;
  int Column = 0;
  int ColumnSpan = 1;
};

// Radios that stand for the codes of one integer setting, in one exclusive
// group. A code that no radio stands for checks none: the radio checked
// before stays checked (none on a fresh group), and reading back gives the
// stored code again while none is checked.
class RadioRow {
 public:
  RadioRow() = default;
  // The group of radios; owner keeps it.
  explicit RadioRow(QObject* owner);

  // Creates the radios of items on parent and lays them out in layout (a box
  // layout, or a grid at each item's cell).
  void Add(QWidget* parent, QLayout* layout, std::initializer_list<RadioItem> items);
  QRadioButton* Add(QWidget* parent, const char* name, const char* caption, int code);
  // Takes a radio made elsewhere into the group.
  void Add(QRadioButton* radio, int code);

  // The radio of a code, or null.
  QRadioButton* Radio(int code) const;
  // Checks the radio of code (its toggled handlers run). A code that no radio
  // stands for leaves the group unchecked, so that reading it back keeps the
  // stored value.
  void SetCode(int code) const;
  // The same without running the handlers of the radio that becomes checked.
  void SetCodeQuietly(int code) const;
  // The code of the checked radio, or keep when none is checked.
  int Code(int keep) const;
  // Calls onCode with the code of each radio as it becomes checked, by the
  // user or from code.
  void OnChecked(QObject* context, std::function<void(int code)> onCode) const;

  QButtonGroup* Group() const { return group_; }

 private:
  void Clear() const;

  QButtonGroup* group_ = nullptr;
};

// A group box (kept in *box) titled caption, holding the radios of items laid
// out in a row (horizontal) or a column.
RadioRow NewRadioBox(QWidget* parent, QGroupBox** box, const char* name, const char* caption, bool horizontal,
                     std::initializer_list<RadioItem> items);

// A check box that stands for an integer setting: Checked when checked,
// Unchecked when not.
struct CheckCodes {
  int Checked = 1;
  int Unchecked = 0;
};
// Checks the box for codes.Checked and unchecks it for codes.Unchecked; any
// other value leaves it as it is.
void ShowCheckCode(QCheckBox* box, int value, CheckCodes codes = {});
int CheckedCode(const QCheckBox* box, CheckCodes codes = {});
// Writes the box's code to *setting whenever it is toggled, then runs after.
void BindCheckCode(QCheckBox* box, int32_t* setting, std::function<void()> after = nullptr,
                   CheckCodes codes = {});

// Gives a form its designed client size: every layout in it made tight and
// the font made as large as fits (from the application's size down to
// 7 points in half points), then the size fixed. Returns the point size
// chosen; the form keeps the smallest when even that does not fit.
double FitToClientSize(QWidget* form, int width, int height);
