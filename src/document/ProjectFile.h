#pragma once
// The project file the design application writes: project texts, calculation data and the list
// of print elements, with the report tree built from them. The parsed XML stays loaded for the
// life of the object because every PrintElementEntry points into it.
#include "document/ReportTree.h"

#include <list>
#include <memory>
#include <string>
#include <string_view>

class TiXmlDocument;
class TiXmlElement;

namespace zentyra {

// The id of a PrintElement whose "id" attribute is missing or not a number.
inline constexpr int kMissingElementId = 0;

struct PrintElementEntry {
    std::string className;                    // attribute "class"
    int id = kMissingElementId;               // attribute "id"
    std::string description;                  // child "Description"
    const TiXmlElement* customData = nullptr; // child "CustomClassData", inside ProjectFile::xml
};

class ProjectFile {
public:
    explicit ProjectFile(PieceFactory pieceFactory);
    ~ProjectFile();
    ProjectFile(const ProjectFile&) = delete;
    ProjectFile& operator=(const ProjectFile&) = delete;

    // Reads the file and builds the report tree. A file that cannot be read or parsed is
    // reported with a debug message and leaves an empty element list (the tree then holds the
    // cover and the index only). Returns true once the tree is built, so also in that case;
    // xmlLoaded() tells the two apart.
    bool Load(std::string_view path);
    bool xmlLoaded() const { return xmlLoaded_; }

    const PrintElementEntry* FindElement(std::string_view className) const;
    const PrintElementEntry* FindElement(std::string_view className, int id) const;
    // The first entry after `entry` with that class key.
    const PrintElementEntry* FindNextElement(std::string_view className,
                                             const PrintElementEntry* entry) const;

    // The picture an element names by CustomClassData/Image/Path, relative to the folder.
    std::string ImagePath(const PrintElementEntry& entry) const;

    // ProjectInfo/ProjectMode as an integer; 0 when absent.
    int ProjectMode() const;

    // The project's folder: the path up to its last separator ('/' or '\'), empty if none.
    // Relative picture names are joined to it with '/'.
    std::string folder;
    std::unique_ptr<TiXmlDocument> xml;
    std::list<PrintElementEntry> elements;
    ReportTree tree;

    std::string Date;
    std::string ProjectName;
    std::string ProjectCode;
    std::string ProjectClient;
    std::string ProjectNotes;
    std::string Comune;
    std::string Ubicazione;
    std::string Apparecchio;
    std::string Ambito;
    std::string Compilatore;
    std::string Ditta;
    std::string Data;
    std::string RifProtocollo;
    std::string coverImagePath;

    int calcInfoPresent = 0;
    int calcTypeZero = 0;
    int calcType = 0;
    int accuracy = 0;
    int usingSun = 0;

private:
    void ReadProject(const TiXmlElement* root);
    void ReadElements(const TiXmlElement* root);
    void ChooseCoverImage();

    bool xmlLoaded_ = false;
};

} // namespace zentyra
