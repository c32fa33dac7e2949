#pragma once
// The one document of a run: the project file named on the command line.
#include "document/ProjectFile.h"

#include <QString>

#include <memory>
#include <string>

class CZentyraDoc {
public:
    CZentyraDoc();
    ~CZentyraDoc();

    // Loads the project (an empty path fails with the project's own message and leaves the
    // cover and the index). True once the document exists, also then.
    bool OnOpenDocument(const std::string& path);

    zentyra::ProjectFile& project() { return *project_; }
    const std::string& path() const { return path_; }
    // The file name shown in the window title; "Untitled" without one.
    QString title() const;

private:
    std::unique_ptr<zentyra::ProjectFile> project_;
    std::string path_;
};
