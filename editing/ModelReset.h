#pragma once
// Brings the model and the editing state to those of an empty project.
#include <cstdint>

enum ResetMode : int32_t {
  ResetForStartUp = 0,
  ResetForNewProject = 1,  // File > New
  ResetBeforeLoad = 2,     // keeps every setting and the file path for the reader
};

void ResetModel(int32_t mode);

// Puts back what a project brings and the resets keep (every setting, the
// element tables, the joint hardware and the grid module) to the values the
// program starts with.
void RestoreProjectStartValues();
