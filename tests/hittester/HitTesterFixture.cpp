#include "HitTesterFixture.h"

#include "export/ExportFixture.h"

namespace sentrel::exporting::test {

FakeHost::FakeHost(Interaction& interaction, const QString& baseDirectory)
    : document_(sampleDocument()), baseDirectory_(baseDirectory), exporter_(interaction, status_) {}

void FakeHost::exportTo(const QString& target) {
    log << "export";
    exporter_.ExportFile(*document_, BddVersion{1, 3, kStamp}, target, false);
}

void FakeHost::showTreeNode(const QString& key) {
    log << "tree:" + key;
    selectedKey = key;
}

void FakeHost::edit(const QString& entry, const QString& property, const QString& value) {
    document_->Path(entry).SetParamDefValue(property, value);
    unsavedChanges = true;
    outOfDate = true;
}

void FakeHost::placeFile(const QString& path, bool withBdd) {
    currentFile_ = path;
    if (withBdd)
        exporter_.ExportFile(*document_, BddVersion{1, 3, kStamp}, path.chopped(3) + "bdd", false);
}

std::unique_ptr<doc::Document> sampleDocument() {
    auto document = blankDocument();
    document->DefaultBrowser().AddParameter("Browser", "String");
    document->DefaultBrowser().SetParamDefValue("Browser", "Default");
    addType(*document, "desk", "DefaultBrowser", "2", "Desktop");
    addType(*document, "fx", "desk", "0", "Firefox", "*Firefox/*")
        .SetParamDefValue("Browser", "Firefox");
    addType(*document, "chrome", "desk", "0", "Chrome", "*Chrome/*")
        .SetParamDefValue("Browser", "Chrome");
    return document;
}

}  // namespace sentrel::exporting::test
