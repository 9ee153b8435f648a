#include "EditingFixture.h"

#include "document/Vocabulary.h"
#include "support/FilterCollection.h"

namespace sentrel::test {

doc::TypeObject& addBrowser(doc::Document& document, const QString& name, const QString& base,
                            const QString& description, const QString& type) {
    doc::TypeObject& browser = document.AddInheritedType(name, base);
    browser.SetParamDefValue("i__description", description);
    browser.SetParamDefValue("i__type", type);
    return browser;
}

namespace {

void addFilter(doc::Document& document, const QString& property, int uId, int kind) {
    doc::FiltersArray& filters = document.FiltersArray();
    doc::FilterElement& filter = filters[filters.Add()];
    filter.set("propToSet", property);
    filter.set("matchStr", "*match " + QString::number(uId) + "*");
    filter.set("valToSet", "v" + QString::number(uId));
    filter.set("priority", uId);
    filter.set("uId", uId);
    filter.set("filterType", kind);
    filter.set("DataField", kind == 0 ? QString() : "field" + QString::number(uId));
}

}  // namespace

std::unique_ptr<doc::Document> makeTestDocument() {
    auto document = doc::Document::create();
    doc::TypeObject& root = document->DefaultBrowser();
    for (const QString& name : mainMod::systemPropertyNames()) root.AddParameter(name, "String");
    root.AddParameter("majorver", "Integer");
    root.AddParameter("minorver", "Integer");
    root.AddParameter("Browser", "String");
    root.AddParameter("Cookies", "Boolean");
    root.AddParameter("CSSVersion", "Integer");
    root.SetParamDefValue("i__description", "Default Browser");
    root.SetParamDefValue("i__type", "2");
    root.SetParamDefValue("i__lastupd", "2026-12-01T00:00:00");
    root.SetParamDefValue("Browser", "Unknown");
    root.SetParamDefValue("Cookies", "False");
    addBrowser(*document, "desktop", "DefaultBrowser", "Desktop", "2")
        .SetParamDefValue("i__icon", "custom");
    doc::TypeObject& chrome = addBrowser(*document, "chrome", "desktop", "Chrome");
    chrome.SetParamDefValue("i__userAgent", "*Chrome*");
    chrome.SetParamDefValue("Browser", "Chrome");
    addBrowser(*document, "chrome131", "chrome", "Chrome 131");
    addBrowser(*document, "firefox", "desktop", "Firefox");
    addBrowser(*document, "mobile", "DefaultBrowser", "Mobile", "2");
    addFilterCollection(*document);
    addFilter(*document, "Browser", 7, 0);
    addFilter(*document, "cookies", 12, 1);
    addFilter(*document, "CSSVersion", 30, 2);
    return document;
}

ShownDocument::ShownDocument() : ShownDocument(makeTestDocument()) {}

ShownDocument::ShownDocument(std::unique_ptr<doc::Document> doc)
    : document(std::move(doc)), window(*document), views(window), operations(window, views) {
    views.setEditHost(&window);
    views.setPropertyOperations(&operations);
    QString lastEntry;
    deleted = views.buildViews(*document, lastEntry);
}

void ShownDocument::click(const QString& key) {
    views.treeSelection().setCurrentIndex(views.tree().indexOf(key),
                                          QItemSelectionModel::ClearAndSelect);
    views.nodeClick(key);
}

void ShownDocument::selectRows(const QStringList& names) {
    views.propertySelection().clearSelection();
    for (const QString& name : names) {
        const QModelIndex index =
            views.propertyList().index(views.propertyList().rowOfKey(name), 0);
        views.propertySelection().setCurrentIndex(
            index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    views.propertyItemClick();
}

QString ShownDocument::value(const QString& type, const QString& property) const {
    return document->Path(type).Path(property);
}

QStringList ShownDocument::filterProperties() const {
    QStringList result;
    doc::FiltersArray& filters = document->FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) result << filters[i].text("propToSet");
    return result;
}

}  // namespace sentrel::test
