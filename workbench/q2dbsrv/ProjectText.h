// The project file's text: one block per object, "key = value" lines, so a
// person can read and mend it. Reading is strict (an unknown key or section,
// a bad number or a dangling reference rejects the whole file) because the
// service rewrites the file after every change: anything it skipped would
// be lost.
//
//     ; comment
//     [project]
//     format = 1
//     next = 18
//     property.1 = Bottling line
//     [type 1]
//     name = BOOL
//     flags = 1
//     [group 15]
//     name = Globals
//     kind = 1
//     [program 16]
//     name = Main
//     language = 1
//     group = 17
//     comment = First line\nsecond line
//     locked = alice
//     [group 17]
//     name = Main
//     kind = 2
//     owner = 16
//     [var 18]
//     name = Start
//     group = 15
//     type = 1
//
// Numbers in headers and references are the objects' serial numbers; texts
// escape "\\", line ends and tabs, and spaces at either end.
#pragma once

#include "ProjectModel.h"

#include <string>

namespace q2db
{

std::string FormatProject(const ProjectModel& model);

// Fills model from text; on failure answers false with the line and reason
// in error and leaves model unspecified.
bool ParseProject(const std::string& text, ProjectModel& model, std::string& error);

} // namespace q2db
