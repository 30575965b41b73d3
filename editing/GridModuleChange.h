#pragma once
// Changing the grid module (モジュールの変更): the axes are laid out again
// from axis 0, which keeps its position, in both directions.
#include <cstdint>
#include <string_view>

// How the intervals whose width is not the old module change.
enum class ModuleSpacingRule : int32_t {
  AllToModule,   // Rchokusetsu: every interval becomes the new module
  Proportional,  // Rhirei: by the ratio of the new module to the old
  Keep,          // Rnone: they keep their width
};

constexpr double MinGridModule = 0.6;
constexpr double MaxGridModule = 1.82;

// Sets GridModule to m and lays both directions out again: an interval of
// the old module's width gets the new module, the others follow the rule.
// Kinds and element indices do not change. The undo ring is emptied with
// the grid edits (its snapshots belong to the grid before the edit). False,
// with nothing changed, when an axis would leave what a project file holds
// (an old module of 0 laid out in proportion, or widths grown past the bound).
bool LayOutGridToModule(double m, ModuleSpacingRule rule);

// The module dialog's OK: the text read as a number; outside 0.6..1.82 it is
// refused with a message and nothing changes, and so is a module at which the
// grid would leave what a project file holds. True when the grid was laid out.
bool ChangeGridModuleFromText(std::string_view text, ModuleSpacingRule rule);
