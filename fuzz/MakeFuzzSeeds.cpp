// Writes a seed corpus for project_file_fuzzer: valid files of every layout,
// empty and with a few elements of each kind, each behind the byte that picks
// its file name (see ProjectFileFuzzEntry.h).
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "ProjectFileBytes.h"
#include "ProjectFileFuzzEntry.h"
#include "editing/ModelReset.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"
#include "platform/FileAccess.h"

namespace {

void Save(const std::string& folder, const std::string& name, unsigned char selector,
          const std::vector<unsigned char>& file) {
  const std::string path = folder + "/" + name;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fputc(selector, f);
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
}

// The selector byte (see FuzzInputFileNames) of a file's extension.
unsigned char SelectorOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (unsigned char i = 0; i < std::size(FuzzInputFileNames); ++i)
    if (std::filesystem::path(FuzzInputFileNames[i]).extension() == extension) return i;
  return 0;
}

void SaveProjectsOf(const std::string& corpus, const std::filesystem::path& projects) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(projects, ec)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(entry.path().string(), bytes, nullptr)) continue;
    Save(corpus, "project-" + entry.path().filename().string(), SelectorOf(entry.path()), bytes);
  }
}

std::string Ints(std::initializer_list<int> values, bool nul) {
  Bytes b;
  for (int v : values) b.Int(v, 5);
  if (nul) b.Nul();
  return {b.data.begin(), b.data.end()};
}

void FillSomeElements() {
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st) {
      Columns[v][st][0] = ColumnRecord{0, 3, 4, 1, 2, 0, 1, 2, 3, 2};
      ColumnCount[v][st] = 1;
      Walls[v][st][0] = WallRecord{};
      Walls[v][st][0].X2 = 4;
      Walls[v][st][0].PanelLeft = 3;
      Walls[v][st][0].Weight = 120.5;
      WallCount[v][st] = 1;
      RoofFloorRects[v][st][0] = RoofFloorRectRecord{0, 0, 0, 5, 5, 4, 0, 1800, 1, 600, 0.5, 100};
      RoofFloorRectCount[v][st] = 1;
      RoofFloorTriangles[v][st][0] = RoofFloorTriangleRecord{0, 0, 0, 5, 0, 0, 5, 2, 1, 600, 3, 2000, 0.2, 0};
      RoofFloorTriangleCount[v][st] = 1;
      FloorSpecRects[v][st][0] = FloorSpecRectRecord{0, 1, 1, 3, 3, 12 + 32 * 3};
      FloorSpecRectCount[v][st] = 1;
      TextLabels[v][st][0] = TextLabelRecord{0, 2, 2, 2, 2, u"居間 ２"};
      TextLabelCount[v][st] = 1;
      FreeLines[v][st][0] = FreeLineRecord{0, 1, 1, 2, 2, 0.1, -0.2, 0.3, 0.4, 2, 0xff};
      FreeLineCount[v][st] = 1;
      GableWalls[v][st][0] = GableWallRecord{0, 1, 0, 2, 0, 1, 1, 600, 0.5, 1.2};
      GableWallCount[v][st] = 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <corpus folder> [folder of project files...]\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  // Real projects (a two-storey house in three variants is about 63 KB),
  // each behind the selector of its extension.
  for (int i = 2; i < argc; ++i) SaveProjectsOf(folder, argv[i]);
  ResetModel(ResetForStartUp);
  std::vector<unsigned char> ytc = WriteProjectFile();
  Save(folder, "empty-ytc", 0, ytc);
  FillSomeElements();
  ytc = WriteProjectFile();
  Save(folder, "small-ytc", 0, ytc);
  std::vector<unsigned char> ytb(ytc.begin(), ytc.end() - 1842);
  ytb[2] = 'b';
  Save(folder, "small-ytb", 0, ytb);

  OldProjectFile yta;
  yta.yta = true;
  yta.lines[0] = {Ints({0, 3, 4, 1, 2, 0, 1, 2, 2}, false)};
  yta.lines[8] = {Ints({0, 2, 2, 2, 2}, false) + std::string("\x8b\x8f\x8a\xd4 \x82\x51", 7) +
                  std::string(33, ' ')};
  yta.lines[4] = {Ints({0, 0, 0, 5, 5, 4, 0}, false) + "1800.00"};
  yta.rectLoads = {"    1600.000  0.500"};
  yta.rectAddedLoads = {"100.000"};
  Save(folder, "small-yta", 0, yta.Build());

  Yt8File diagnosis;
  diagnosis.lines[Yt8Column][0] = {Ints({3, 4, 1, 2}, true)};
  diagnosis.lines[Yt8Wall][0] = {Ints({0, 0, 4, 0, 1, 267, 26, 27, 0, 19, 0}, true)};
  diagnosis.lines[Yt8SpecTriangle][0] = {Ints({0, 0, 4, 0, 0, 4, 1}, true)};
  diagnosis.lines[Yt8Label][0] = {Ints({1, 1, 2, 2}, false) + std::string(" \x8b\x8f\x8a\xd4 xyz", 9) +
                                  std::string(22, '\0')};
  diagnosis.lines[Yt8FreeLine][0] = {Ints({1, 1, 2, 2}, false) + "3     255" + std::string(1, '\0')};
  Save(folder, "small-ty0", 1, diagnosis.Build());

  Yt8File retrofit = diagnosis;
  retrofit.retrofit = true;
  retrofit.lines[Yt8Column][0] = {Ints({3, 4, 1, 2, 0}, true)};
  retrofit.lines[Yt8Wall][0] = {Ints({0, 0, 4, 0, 4, 2 * 128 + 27, 6, 7, 0, 2, 0, 0}, true)};
  retrofit.lines[Yt8SpecTriangle][0] = {Ints({0, 0, 4, 0, 0, 4, 547}, true)};
  retrofit.lines[Yt8FreeLine][0] = {Ints({1, 1, 2, 2}, false) + "0.100  -0.200 0.300  0.400  3     255" +
                                    std::string(1, '\0')};
  retrofit.lines[Yt8Spare12][0] = {Ints({1, 1, 2, 2, 7}, true)};
  retrofit.panelSymbols[0] = "  X1 ";
  retrofit.panelNames[0] = "\xca\xdf\xc8\xd9 two";
  Save(folder, "small-ty2", 2, retrofit.Build());
  return 0;
}
