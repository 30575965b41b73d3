#include "files/ProjectFile.h"
#include "files/ProjectFileLayout.h"

namespace {

template <class Record, int Max>
bool ReadElementList(FieldReader& s, Record (&records)[ModelSlotCount][StoreyCount][Max],
                     int32_t (&count)[ModelSlotCount][StoreyCount],
                     const int32_t (&fileCount)[VariantCount][StoreyCount]) {
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st)
      for (int i = 0; i < fileCount[v][st]; ++i) {
        Record r{};
        TransferRecord(s, r);
        if (!AppendReadRecord(s, r, records, count, v, st)) return false;
      }
  return true;
}

// Blocks 5 to 16. The counts of the variants grow record by record, so that a
// list holds exactly the records read whole.
bool ReadElementBlocks(FieldReader& s, const ElementCounts& counts) {
  EmptyVariantLists();
#define QUILMORA_READ_LIST(kind, Record, records, count, swapBlock, max) \
  if (!ReadElementList(s, records, count, counts.Of[static_cast<int>(ElementKind::kind)])) return false;
  QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_READ_LIST)
#undef QUILMORA_READ_LIST
  return true;
}

bool MarkerIsIntact(FieldReader& s) {
  const auto marker = s.Take(8);
  if (!s.Ok()) return false;
  const std::string_view text(reinterpret_cast<const char*>(marker.data()), marker.size());
  return text.substr(0, text.find('\0')) == "[kihon]";
}

// Reads one block into a copy of its data and commits the copy when the block
// was read whole and is valid.
template <class Data, class Transfer>
bool ReadBlock(FieldReader& s, Data data, Transfer transfer) {
  transfer(s, data);
  if (!s.Ok() || !IsValid(data)) return false;
  Commit(data);
  return true;
}

bool ReadBlocks(FieldReader& s, bool withJointHardware) {
  if (!ReadBlock(s, CaptureWallElementTables(),
                 [](FieldReader& f, auto& d) { TransferElementTableBlock(f, d); }))
    return false;
  if (!ReadBlock(s, CaptureGrid(), [](FieldReader& f, auto& d) { TransferGridBlock(f, d); })) return false;

  ElementCounts counts{};
  TransferCountHeader(s, counts);
  if (!s.Ok() || !IsValid(counts) || !ReadElementBlocks(s, counts)) return false;
  if (!MarkerIsIntact(s)) return false;

  auto outline = [](FieldReader& f, OutlineData& d) {
    TransferOutlineBlock(f, d);
    if (d.Settings.TopStorey[0] > TopStoreyThird)
      for (int32_t& top : d.Settings.TopStorey) top = 2;
  };
  if (!ReadBlock(s, CaptureOutline(), outline)) return false;

  // The records are committed already: this block completes them in place.
  TransferElementExtrasBlock(s, ProjectSettings.LoadTakeOff);
  if (!s.Ok()) return false;

  ProjectSettingsData trailer = ProjectSettings;
  TransferTrailerBlock(s, trailer);
  if (!s.Ok() || !AreValidSettings(trailer)) return false;
  ProjectSettings = trailer;

  if (withJointHardware) {
    JointHardwareData hardware = CaptureJointHardware();
    TransferJointHardwareBlock(s, hardware);
    if (!s.Ok()) return false;
    Commit(hardware);
  }
  return true;
}

bool ReadLayout(std::span<const unsigned char> afterMagic, FieldWidths widths, bool withJointHardware) {
  FieldReader s(afterMagic, widths);
  // Bytes after the last block belong to no field: the file is not what was written.
  return ReadBlocks(s, withJointHardware) && s.Remaining() == 0;
}

}  // namespace

bool ReadProjectFile(std::span<const unsigned char> afterMagic) {
  return ReadLayout(afterMagic, FieldWidths::Ytc, true);
}

bool ReadYtbFile(std::span<const unsigned char> afterMagic) {
  return ReadLayout(afterMagic, FieldWidths::Ytc, false);
}

bool ReadYtaFile(std::span<const unsigned char> afterMagic) {
  return ReadLayout(afterMagic, FieldWidths::Yta, false);
}
