#pragma once
// The joint-hardware data file (".yd2", magic "yd2"), shared with the sibling
// product: 30 rows of name (66 bytes of UTF-16LE), symbol (19 bytes) and
// allowable tension ("%16li" of kN x 1000), 3034 bytes.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "files/ElementDataFile.h"
#include "model/ElementTables.h"

constexpr std::size_t JointHardwareFileSize = 3034;

std::vector<unsigned char> WriteJointHardwareFile(const JointHardwareRow (&rows)[JointHardwareTableRows]);
// Reads a whole file; rows is untouched unless the result is Read. A file
// is broken unless it has exactly the layout's length and every tension
// field is what "%16li" writes (a field shifted by an inserted or lost byte
// is not). A name ending in a lone high surrogate reads with U+FFFD in its
// place, as the project file's texts do.
DataFileRead ReadJointHardwareFile(std::span<const unsigned char> bytes,
                                   JointHardwareRow (&rows)[JointHardwareTableRows]);
// 読込 of the joint-hardware editor: ReadDataFileBytes and ReadJointHardwareFile.
DataFileRead LoadJointHardwareFile(const std::string& path, JointHardwareRow (&rows)[JointHardwareTableRows]);
