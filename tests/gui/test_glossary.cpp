// GLOSSARY.md explains every name kept from the original forms: each form
// class, each form's program-wide variable and each component a form names.
// The check takes the names from the forms the program creates (whether a
// name is written out, comes from a table or is numbered) and the form
// classes from the sources, and fails listing every name the glossary lacks;
// it also fails on a file of the glossary that is not in the repository.
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "mainwindow/FormKit.h"

namespace {

namespace fs = std::filesystem;

const fs::path kRepository = QUILMORA_SOURCE_DIR;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The names a glossary defines: every code span that is a name. A span with
// placeholders stands for a numbered family: <v> a variant digit 0 to 2, <s>
// a storey digit 1 to 3, <n> any number.
class Glossary {
 public:
  explicit Glossary(const std::string& text) {
    static const std::regex span("`([^`\n]+)`");
    static const std::regex name("[A-Za-z_][A-Za-z0-9_]*((<[vsn]>)[A-Za-z0-9_]*)*");
    for (std::sregex_iterator it(text.begin(), text.end(), span), end; it != end; ++it) {
      const std::string entry = (*it)[1];
      if (!std::regex_match(entry, name)) continue;
      if (entry.find('<') == std::string::npos) {
        names_.insert(entry);
        continue;
      }
      std::string pattern;
      for (std::size_t i = 0; i < entry.size(); ++i) {
        if (entry[i] == '<') {
          const char placeholder = entry[i + 1];
          pattern += placeholder == 'v' ? "[0-2]" : placeholder == 's' ? "[1-3]" : "[0-9]+";
          i += 2;
        } else {
          pattern += entry[i];
        }
      }
      families_.emplace_back(pattern);
    }
  }

  bool Defines(const std::string& name) const {
    if (names_.count(name)) return true;
    return std::any_of(families_.begin(), families_.end(),
                       [&](const std::regex& family) { return std::regex_match(name, family); });
  }

 private:
  std::set<std::string> names_;
  std::vector<std::regex> families_;
};

// A name the code gives, with where it was found.
struct NameInCode {
  std::string Name;
  std::string Where;
};

// The form classes a source declares: the T classes derived from a Qt widget
// or from another T class.
std::vector<std::string> FormClassesIn(const std::string& source) {
  static const std::regex declaration(
      R"(class\s+(T[A-Za-z0-9_]*)\s*(?:final\s*)?:\s*public\s+[QT][A-Za-z0-9_]*)");
  std::vector<std::string> classes;
  for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it)
    classes.push_back((*it)[1]);
  return classes;
}

// The form classes of the program's sources: every folder with a CMakeLists.txt
// but the tests, benchmarks and fuzzing.
std::vector<NameInCode> FormClassesOfTheSources() {
  std::vector<NameInCode> found;
  for (const fs::directory_entry& folder : fs::directory_iterator(kRepository)) {
    const std::string name = folder.path().filename().string();
    if (!folder.is_directory() || name == "tests" || name == "bench" || name == "fuzz" ||
        !fs::exists(folder.path() / "CMakeLists.txt"))
      continue;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder.path())) {
      const std::string extension = file.path().extension().string();
      if (!file.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
      for (const std::string& formClass : FormClassesIn(ReadText(file.path())))
        found.push_back({formClass, fs::relative(file.path(), kRepository).generic_string()});
    }
  }
  return found;
}

// Qt names some parts of its own widgets; they are no components of ours.
bool NamedByQt(const QString& name) {
  return name.startsWith(QLatin1String("qt_")) || name.startsWith(QLatin1Char('_')) ||
         name == QLatin1String("ScrollLeftButton") || name == QLatin1String("ScrollRightButton");
}

// The class and the variable of a form, and every component it names; the
// forms among its children are left to their own turn.
std::vector<NameInCode> NamesOfForm(const QWidget* form, const std::vector<QWidget*>& forms) {
  const std::string variable = form->objectName().toStdString();
  std::vector<NameInCode> found = {{FormClassName(form).toStdString(), "class of " + variable},
                                   {variable, "form variable"}};
  std::function<void(const QObject*, const std::string&)> walk = [&](const QObject* parent,
                                                                     const std::string& path) {
    for (const QObject* child : parent->children()) {
      if (std::find(forms.begin(), forms.end(), child) != forms.end()) continue;
      std::string childPath = path;
      const QString name = child->objectName();
      if (!name.isEmpty() && !NamedByQt(name)) {
        childPath += "/" + name.toStdString();
        found.push_back({name.toStdString(), childPath});
      }
      walk(child, childPath);
    }
  };
  walk(form, variable);
  return found;
}

std::vector<std::string> MissingFrom(const Glossary& glossary, const std::vector<NameInCode>& names) {
  std::set<std::string> reported;
  std::vector<std::string> missing;
  for (const NameInCode& n : names)
    if (!glossary.Defines(n.Name) && reported.insert(n.Name).second)
      missing.push_back(n.Name + " (" + n.Where + ")");
  return missing;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

TEST(GlossaryCheckTest, TakesNamesAndNumberedFamiliesFromCodeSpansOnly) {
  const Glossary probe(
      "| `Label10` | label |\n"
      "| `rs<n>` | check boxes, one a checklist row |\n"
      "| `Lhitsuyou<v><s>` | by variant and storey |\n"
      "| `E<n>n<n>` | name edits |\n"
      "Bprose is named in prose only; `model/Grid.h` is a file, `Two words` no name.\n");
  const struct {
    const char* name;
    bool defined;
  } cases[] = {
      {"Label10", true},       {"Label1", false},  // a name is never found inside a longer one
      {"Label100", false},     {"rs1", true},         {"rs13", true},         {"rs", false},   {"rsx", false},
      {"Lhitsuyou01", true},   {"Lhitsuyou23", true}, {"Lhitsuyou33", false},  // no fourth variant
      {"Lhitsuyou20", false},                                                  // storeys count from 1
      {"Lhitsuyou213", false}, {"E12n4", true},       {"Bprose", false},      {"Grid", false}, {"Two", false},
  };
  for (const auto& c : cases) EXPECT_EQ(probe.Defines(c.name), c.defined) << c.name;
}

TEST(GlossaryCheckTest, FindsTheFormClassesASourceDeclares) {
  const std::string source =
      "class TProbeDlg : public QDialog {\n"
      "class TProbePalette final\n    : public TToolPalette, public OkCancelButtons {\n"
      "class ClickFilter : public QObject {\n"
      "class TProbeSink final : public PageSink {\n"
      "class TForward;\n";
  EXPECT_EQ(FormClassesIn(source), (std::vector<std::string>{"TProbeDlg", "TProbePalette"}));
}

// A form that the glossary does not know fails the check with its class, its
// variable and its components, and with nothing that the glossary explains or
// that Qt names itself.
TEST(GlossaryCheckTest, ReportsTheNamesOfAFormTheGlossaryLacks) {
  QDialog probe;
  probe.setObjectName(QStringLiteral("ProbeDlg"));
  probe.setProperty("formClass", QStringLiteral("TProbeDlg"));
  auto* layout = new QVBoxLayout(&probe);
  layout->addWidget(NewButton(&probe, "Bprobe", "試験"));
  layout->addWidget(NewButton(&probe, "OKBtn", "OK"));
  auto* tabs = Named(new QTabWidget(&probe), "PageControl1");
  for (int i = 0; i < 30; ++i) tabs->addTab(new QWidget, QStringLiteral("頁%1").arg(i));
  layout->addWidget(tabs);
  QDialog otherForm(&probe);
  otherForm.setObjectName(QStringLiteral("OtherDlg"));
  NewButton(&otherForm, "Bother", "他");

  const Glossary glossary(ReadText(kRepository / "GLOSSARY.md"));
  const std::vector<QWidget*> forms = {&probe, &otherForm};
  EXPECT_EQ(MissingFrom(glossary, NamesOfForm(&probe, forms)),
            (std::vector<std::string>{"TProbeDlg (class of ProbeDlg)", "ProbeDlg (form variable)",
                                      "Bprobe (ProbeDlg/Bprobe)"}));
}

using GlossaryTest = GuiTest;

TEST_F(GlossaryTest, NamesEveryFormClassFormVariableAndComponent) {
  ASSERT_TRUE(CreateForms({QStringLiteral("Quilmora2025")}));
  std::vector<NameInCode> names = FormClassesOfTheSources();
  // The scan reaches the main window and the kit the dialogs are built from.
  for (const char* known : {"TQuilmoraForm", "TCancelableDialog"})
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const NameInCode& n) { return n.Name == known; }))
        << known;
  const std::vector<QWidget*> forms = AllForms();
  for (const QWidget* form : forms) {
    const std::vector<NameInCode> ofForm = NamesOfForm(form, forms);
    names.insert(names.end(), ofForm.begin(), ofForm.end());
  }
  const Glossary glossary(ReadText(kRepository / "GLOSSARY.md"));
  const std::vector<std::string> missing = MissingFrom(glossary, names);
  EXPECT_TRUE(missing.empty()) << "GLOSSARY.md does not explain:" << Lines(missing);
}

TEST(GlossaryFilesTest, EveryFileTheGlossaryNamesIsInTheRepository) {
  const std::string text = ReadText(kRepository / "GLOSSARY.md");
  static const std::regex file(R"(([A-Za-z0-9_]+/)+[A-Za-z0-9_]+\.(h|cpp|md|cmake))");
  std::vector<std::string> absent;
  int files = 0;
  for (std::sregex_iterator it(text.begin(), text.end(), file), end; it != end; ++it, ++files)
    if (!fs::exists(kRepository / it->str())) absent.push_back(it->str());
  EXPECT_GT(files, 0);
  EXPECT_TRUE(absent.empty()) << "GLOSSARY.md names files that are not in the repository:" << Lines(absent);
}

}  // namespace
