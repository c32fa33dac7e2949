#include "document/ProjectFile.h"

#include "document/ElementValues.h"
#include "document/XmlLoading.h"
#include "platform/Messages.h"
#include "platform/Path.h"

#include <tinyxml.h>

namespace zentyra {

namespace {

// The "id" attribute as atoi reads it; a missing attribute gives kMissingElementId.
int ElementId(const TiXmlElement& element) {
    const char* id = element.Attribute("id");
    return id ? ParseInteger(id) : kMissingElementId;
}

} // namespace

ProjectFile::ProjectFile(PieceFactory pieceFactory)
    : xml(std::make_unique<TiXmlDocument>()), tree(this, std::move(pieceFactory)) {}

// The tree goes first: its items point at the project, the entries into the XML document.
ProjectFile::~ProjectFile() {
    tree.Clear();
    elements.clear();
}

bool ProjectFile::Load(std::string_view path) {
    folder = ParentPath(path);

    tree.Clear();
    elements.clear();
    auto document = std::make_unique<TiXmlDocument>();
    xmlLoaded_ = LoadXmlFile(std::string(path), *document);
    xml = std::move(document);
    if (!xmlLoaded_) {
        DebugMsg("Xml file " + std::string(path) + " not loaded ok");
    } else {
        Date.clear();
        ProjectName.clear();
        ProjectCode.clear();
        ProjectClient.clear();
        ProjectNotes.clear();
        coverImagePath.clear();
        calcInfoPresent = calcTypeZero = calcType = accuracy = usingSun = 0;

        const TiXmlElement* root = xml->RootElement();
        if (root && root->ValueStr() != "Zentyra") root = nullptr; // other roots read as empty
        ReadProject(root);
        ReadElements(root);
        ChooseCoverImage();
    }

    if (tree.BuildReportTree()) {
        tree.ApplySelectionMode();
        return true;
    }
    return false;
}

void ProjectFile::ReadProject(const TiXmlElement* root) {
    if (const TiXmlElement* general = FirstChildElement(root, "GeneralInfo"))
        Date = ChildText(general, "Date");
    if (const TiXmlElement* info = FirstChildElement(root, "ProjectInfo")) {
        struct Field {
            const char* name;
            std::string ProjectFile::*text;
        };
        static constexpr Field kFields[] = {
            {"ProjectName", &ProjectFile::ProjectName},
            {"ProjectCode", &ProjectFile::ProjectCode},
            {"ProjectClient", &ProjectFile::ProjectClient},
            {"ProjectNotes", &ProjectFile::ProjectNotes},
            {"Comune", &ProjectFile::Comune},
            {"Ubicazione", &ProjectFile::Ubicazione},
            {"Apparecchio", &ProjectFile::Apparecchio},
            {"Ambito", &ProjectFile::Ambito},
            {"Compilatore", &ProjectFile::Compilatore},
            {"Ditta", &ProjectFile::Ditta},
            {"Data", &ProjectFile::Data},
            {"RifProtocollo", &ProjectFile::RifProtocollo},
        };
        for (const Field& field : kFields)
            this->*field.text = ReadChildText(info, field.name);
    }
    if (const TiXmlElement* calc = FirstChildElement(root, "CalcInfo")) {
        calcInfoPresent = 1;
        const std::string type = ChildText(calc, "Type");
        calcTypeZero = type == "0" ? 1 : 0;
        calcType = ParseInteger(type);
        accuracy = ParseInteger(ChildText(calc, "Accuracy"));
        usingSun = ChildText(calc, "UsingSun") == "1" ? 1 : 0;
    }
}

void ProjectFile::ReadElements(const TiXmlElement* root) {
    const TiXmlElement* list = FirstChildElement(root, "AvailableElementsList");
    for (const TiXmlElement* element = FirstChildElement(list, "PrintElement"); element;
         element = NextSiblingElement(element, "PrintElement")) {
        PrintElementEntry entry;
        if (const char* className = element->Attribute("class")) entry.className = className;
        entry.id = ElementId(*element);
        entry.description = ChildText(element, "Description");
        entry.customData = FirstChildElement(element, "CustomClassData");
        elements.push_back(std::move(entry));
    }
}

void ProjectFile::ChooseCoverImage() {
    const PrintElementEntry* picture = FindElement("class_rendering");
    if (!picture) picture = FindElement("class_screenShot");
    if (picture) {
        coverImagePath = ChildText(picture->customData, "Filename");
        return;
    }
    if (const PrintElementEntry* plant = FindElement("class_plantView"))
        coverImagePath = ImagePath(*plant);
}

std::string ProjectFile::ImagePath(const PrintElementEntry& entry) const {
    // Without a folder the name stays relative to the working directory rather than becoming
    // a path at the root of the file system.
    const std::string relative = ChildText(FirstChildElement(entry.customData, "Image"), "Path");
    return JoinPath(folder, ToSlashes(relative));
}

const PrintElementEntry* ProjectFile::FindElement(std::string_view className) const {
    for (const PrintElementEntry& entry : elements)
        if (entry.className == className) return &entry;
    return nullptr;
}

const PrintElementEntry* ProjectFile::FindElement(std::string_view className, int id) const {
    for (const PrintElementEntry& entry : elements)
        if (entry.className == className && entry.id == id) return &entry;
    return nullptr;
}

const PrintElementEntry* ProjectFile::FindNextElement(std::string_view className,
                                                      const PrintElementEntry* after) const {
    bool passed = after == nullptr;
    for (const PrintElementEntry& entry : elements) {
        if (!passed) {
            passed = &entry == after;
            continue;
        }
        if (entry.className == className) return &entry;
    }
    return nullptr;
}

int ProjectFile::ProjectMode() const {
    const TiXmlElement* root = xml ? xml->RootElement() : nullptr;
    if (root && root->ValueStr() != "Zentyra") return 0;
    return ParseInteger(ChildText(FirstChildElement(root, "ProjectInfo"), "ProjectMode"));
}

} // namespace zentyra
