#include "gui/CZentyraDoc.h"

#include "pieces/PieceFactory.h"
#include "platform/Path.h"

CZentyraDoc::CZentyraDoc() : project_(std::make_unique<zentyra::ProjectFile>(zentyra::MakePiece)) {}

CZentyraDoc::~CZentyraDoc() = default;

bool CZentyraDoc::OnOpenDocument(const std::string& path) {
    path_ = path;
    project_ = std::make_unique<zentyra::ProjectFile>(zentyra::MakePiece);
    return project_->Load(path);
}

QString CZentyraDoc::title() const {
    const std::string name = zentyra::FileName(path_);
    return name.empty() ? QStringLiteral("Untitled") : QString::fromStdString(name);
}
