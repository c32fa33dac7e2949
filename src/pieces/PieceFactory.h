#pragma once
// The piece class of every piece type, for the report tree.
#include "document/ReportTree.h"

namespace zentyra {

std::unique_ptr<CPiece> MakePiece(ProjectFile* project, int type, int elementId, int projectMode);

} // namespace zentyra
