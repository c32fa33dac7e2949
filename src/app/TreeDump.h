#pragma once
// The --dump-tree output: the loaded project data, its print elements and the report tree,
// with every item's title in the print and the program language.
#include <string>

namespace zentyra {

class ProjectFile;

std::string TreeDumpJson(const ProjectFile& project);

} // namespace zentyra
