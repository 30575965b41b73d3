#include "DataFileFuzzEntry.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <span>
#include <vector>

#include "editing/ModelReset.h"
#include "files/ElementDataFile.h"
#include "files/JointHardwareFile.h"
#include "files/ProjectFile.h"
#include "model/ElementTables.h"
#include "model/ModelValidation.h"
#include "platform/MessageBox.h"
#include "platform/ScriptedMessageBox.h"

namespace {

bool Offence(const char* file, const char* what) {
  std::fprintf(stderr, "%s: %s\n", file, what);
  return false;
}

// The live tables as they stand go into a project file, which must load in
// full and save to the same bytes.
bool ProjectKeepsTheTables(const char* file) {
  const char* why = "";
  if (!IsModelConsistent(&why)) return Offence(file, why);
  const std::vector<unsigned char> saved = WriteProjectFile();
  RestoreProjectStartValues();
  ResetModel(ResetBeforeLoad);
  if (!ReadProjectFile(std::span(saved).subspan(4)))
    return Offence(file, "the project saved with the tables does not load again");
  if (WriteProjectFile() != saved)
    return Offence(file, "the project saved with the tables changes on a reload");
  return true;
}

bool ElementDataFileHolds(std::span<const unsigned char> input) {
  ElementTableSet set;
  CaptureElementTables(set);
  if (ReadElementDataFile(input, set) != DataFileRead::Read) return true;
  for (const PanelSpecRow& row : set.Panels)
    if (row.DiagnosisOnly < 0 || row.DiagnosisOnly > 1 || row.DisplayKind < 0 || row.DisplayKind > 3)
      return Offence("yd1", "a flag outside its choices");
  const std::vector<unsigned char> first = WriteElementDataFile(set);
  ElementTableSet again;
  CaptureElementTables(again);
  if (ReadElementDataFile(first, again) != DataFileRead::Read)
    return Offence("yd1", "a saved file does not load");
  if (WriteElementDataFile(again) != first) return Offence("yd1", "save, load and save differ");
  ApplyElementTables(set);
  return ProjectKeepsTheTables("yd1");
}

bool JointHardwareFileHolds(std::span<const unsigned char> input) {
  JointHardwareRow rows[JointHardwareTableRows];
  std::copy(std::begin(JointHardwareTable), std::end(JointHardwareTable), rows);
  if (ReadJointHardwareFile(input, rows) != DataFileRead::Read) return true;
  const std::vector<unsigned char> first = WriteJointHardwareFile(rows);
  JointHardwareRow again[JointHardwareTableRows];
  if (ReadJointHardwareFile(first, again) != DataFileRead::Read)
    return Offence("yd2", "a saved file does not load");
  if (WriteJointHardwareFile(again) != first) return Offence("yd2", "save, load and save differ");
  std::copy(std::begin(rows), std::end(rows), JointHardwareTable);
  return ProjectKeepsTheTables("yd2");
}

}  // namespace

bool LoadDataFileFuzzInput(const uint8_t* data, std::size_t size) {
  SilentMessageBox silent;
  ScopedMessageBoxPort port(&silent);
  const std::span<const unsigned char> input(data, size);
  RestoreProjectStartValues();
  ResetModel(ResetForStartUp);
  const bool yd1 = ElementDataFileHolds(input);
  RestoreProjectStartValues();
  ResetModel(ResetForStartUp);
  return JointHardwareFileHolds(input) && yd1;
}
