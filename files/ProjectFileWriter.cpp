#include <filesystem>

#include "files/ProjectFile.h"
#include "files/ProjectFileLayout.h"
#include "model/ModelValidation.h"
#include "platform/FileAccess.h"

namespace {

template <class Record, int Max>
void WriteElementList(FieldWriter& s, Record (&records)[ModelSlotCount][StoreyCount][Max],
                      const int32_t (&count)[ModelSlotCount][StoreyCount]) {
  ForEachStoredRecord(records, count, [&](Record& r) { TransferRecord(s, r); });
}

// A model holding a value the reader would refuse is not written: the file
// could not be opened again. *error names the value.
bool IsSavable(std::string* error) {
  std::string why = FirstRefusedValue();
  if (why.empty()) return true;
  if (error) *error = std::move(why);
  return false;
}

}  // namespace

std::vector<unsigned char> WriteProjectFile() {
  FieldWriter s;
  s.Bytes({"ytc\0", 4});

  WallElementTables tables = CaptureWallElementTables();
  TransferElementTableBlock(s, tables);
  GridData grid = CaptureGrid();
  TransferGridBlock(s, grid);
  ElementCounts counts = CaptureCounts();
  TransferCountHeader(s, counts);
#define QUILMORA_WRITE_LIST(kind, Record, records, count, swapBlock, max) WriteElementList(s, records, count);
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_WRITE_LIST)
#undef QUILMORA_WRITE_LIST

  s.Bytes({"[kihon]\0", 8});
  OutlineData outline = CaptureOutline();
  TransferOutlineBlock(s, outline);
  TransferElementExtrasBlock(s, ProjectSettings.LoadTakeOff);
  TransferTrailerBlock(s, outline.Settings);
  JointHardwareData hardware = CaptureJointHardware();
  TransferJointHardwareBlock(s, hardware);
  return s.TakeOutput();
}

bool SaveProjectFile(const std::string& path, std::string* error) {
  if (!IsSavable(error)) return false;
  const std::vector<unsigned char> bytes = WriteProjectFile();
  return ReplaceFileSafely(path, bytes.data(), bytes.size(), std::string(), error);
}

std::string BackupPathOf(const std::string& path) {
  return std::filesystem::path(path).replace_extension(".BAK").string();
}

std::string OverwritePathOf(const std::string& path) {
  std::filesystem::path result(path);
  if (result.extension() != ".tyc") result.replace_extension(".tyc");
  return result.string();
}

bool SaveProjectFileWithBackup(const std::string& path, std::string* error) {
  if (!IsSavable(error)) return false;
  const std::vector<unsigned char> bytes = WriteProjectFile();
  return ReplaceFileSafely(path, bytes.data(), bytes.size(), BackupPathOf(path), error);
}
