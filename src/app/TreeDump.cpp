#include "app/TreeDump.h"

#include "app/JsonWriter.h"
#include "document/ProjectFile.h"

namespace zentyra {

std::string TreeDumpJson(const ProjectFile& project) {
    JsonWriter json;
    json.beginObject();

    json.key("project");
    json.beginObject();
    json.member("Date", project.Date);
    json.member("ProjectName", project.ProjectName);
    json.member("ProjectCode", project.ProjectCode);
    json.member("ProjectClient", project.ProjectClient);
    json.member("ProjectNotes", project.ProjectNotes);
    json.member("Comune", project.Comune);
    json.member("Ubicazione", project.Ubicazione);
    json.member("Apparecchio", project.Apparecchio);
    json.member("Ambito", project.Ambito);
    json.member("Compilatore", project.Compilatore);
    json.member("Ditta", project.Ditta);
    json.member("Data", project.Data);
    json.member("RifProtocollo", project.RifProtocollo);
    json.member("coverImagePath", project.coverImagePath);
    json.member("folder", project.folder);
    json.member("calcInfoPresent", project.calcInfoPresent);
    json.member("calcTypeZero", project.calcTypeZero);
    json.member("calcType", project.calcType);
    json.member("accuracy", project.accuracy);
    json.member("usingSun", project.usingSun);
    json.endObject();

    json.key("elements");
    json.beginArray();
    for (const PrintElementEntry& entry : project.elements) {
        json.beginObject();
        json.member("class", entry.className);
        json.member("id", entry.id);
        json.member("description", entry.description);
        json.endObject();
    }
    json.endArray();

    json.key("items");
    json.beginArray();
    for (const auto& item : project.tree.items()) {
        json.beginObject();
        json.member("kind", item->IsChapter() ? "chapter" : "piece");
        json.member("type", item->type);
        json.member("elementId", item->elementId);
        json.member("selected", item->selected);
        json.member("className", item->GetClassName());
        json.member("title", item->GetTitle(true));
        json.member("programTitle", item->GetTitle(false));
        json.endObject();
    }
    json.endArray();

    json.endObject();
    return json.text();
}

} // namespace zentyra
