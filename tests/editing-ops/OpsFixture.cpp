#include "OpsFixture.h"

#include "document/Vocabulary.h"

namespace sentrel::test {

namespace {

doc::TypeObject& addType(doc::Document& document, const QString& name, const QString& base,
                         const QString& description, const QString& kind) {
    doc::TypeObject& type = document.AddInheritedType(name, base);
    type.SetParamDefValue(mainMod::kDescriptionParam, description);
    type.SetParamDefValue(mainMod::kTypeParam, kind);
    return type;
}

}  // namespace

std::unique_ptr<doc::Document> makeOpsDocument() {
    auto document = doc::Document::load(QStringLiteral(SENTREL_DATA_DIR "/intmpl.bdf"));
    doc::TypeObject& root = document->DefaultBrowser();
    root.AddParameter("Browser", "String");
    root.AddParameter("Cookies", "Boolean");
    root.AddParameter("CSSVersion", "Integer");
    addType(*document, "desktop", "DefaultBrowser", "Desktop", "2")
        .SetParamDefValue(mainMod::kIconParam, "custom");
    addType(*document, "chrome", "desktop", "Chrome", "0")
        .SetParamDefValue(mainMod::kUserAgentParam, "*Chrome*");
    addType(*document, "mobile", "DefaultBrowser", "Mobile", "2");
    addType(*document, "oldie", "DefaultBrowser", "Old IE", "-1");
    return document;
}

FakeWindow::FakeWindow(doc::Document& document) : document_(document) {
    parents = {{"DefaultBrowser", ""},
               {"desktop", "DefaultBrowser"},
               {"chrome", "desktop"},
               {"mobile", "DefaultBrowser"}};
    texts = {{"DefaultBrowser", "Default Browser"},
             {"desktop", "Desktop"},
             {"chrome", "Chrome"},
             {"mobile", "Mobile"}};
}

void FakeWindow::writeMergeRecord(int code, const std::array<QString, 5>& fields) {
    if (journalFailure) throw *journalFailure;
    merges.push_back({code, fields});
}

void FakeWindow::addTreeNode(const QString& parentKey, const QString& key, const QString& text,
                             const QString& image, const QString& selectedImage) {
    parents[key] = parentKey;
    texts[key] = text;
    images[key] = {image, selectedImage};
    selected = key;
}

void FakeWindow::removeTreeNode(const QString& key) {
    parents.remove(key);
    texts.remove(key);
}

void FakeWindow::addFilterRow(const QString& key, const QStringList& cells) {
    rowOrder << key;
    rows[key] = cells;
    selectedRows = {key};
}

void FakeWindow::removeFilterRow(const QString& key) {
    rowOrder.removeAll(key);
    rows.remove(key);
}

Ops::Ops()
    : document(makeOpsDocument()),
      window(*document),
      browsers(window, window, deletedTypes),
      filters(window, window, {filtersUnsorted, filterDialogStale}) {
    filters.setIdSource([this] {
        const int id = ids.front();
        ids.pop_front();
        return id;
    });
}

QStringList Ops::messageTitles() const {
    QStringList titles;
    for (const MessageRequest& message : window.script.messages()) titles << message.title;
    return titles;
}

QStringList Ops::filterField(const QString& field) const {
    QStringList values;
    doc::FiltersArray& array = document->FiltersArray();
    for (int i = 0; i < array.Count(); ++i) values << array[i].text(field);
    return values;
}

QVariant Ops::dialogField(int index, const QString& field) const {
    for (const auto& event : window.script.events()) {
        if (event.kind == ScriptedInteraction::Event::Kind::Dialog && index-- == 0) {
            return event.fields.value(field);
        }
    }
    return {};
}

}  // namespace sentrel::test
