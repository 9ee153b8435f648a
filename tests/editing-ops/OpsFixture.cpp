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

Ops::Ops()
    : document(makeOpsDocument()),
      window(*document),
      views(window),
      browsers(window, views, deletedTypes),
      filters(window, views, {filtersUnsorted, filterDialogStale}) {
    views.setDisplayOptions([this] { return views::DisplayOptions{true, showSystem}; });
    QString lastEntry;
    deletedTypes = views.buildViews(*document, lastEntry);
    filters.setIdSource([this] {
        const int id = ids.front();
        ids.pop_front();
        return id;
    });
}

void Ops::select(const QString& key) {
    views.treeSelection().setCurrentIndex(views.tree().indexOf(key),
                                          QItemSelectionModel::ClearAndSelect);
    views.nodeClick(key);
}

void Ops::selectFilterRows(const QStringList& keys) {
    views.filterSelection().clearSelection();
    for (const QString& key : keys) {
        views.filterSelection().select(
            views.filterList().index(views.filterList().rowOfKey(key), 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QStringList Ops::rowCells(const QString& key) {
    const int row = views.filterList().rowOfKey(key);
    return row < 0 ? QStringList() : views.filterList().row(row).cells;
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
