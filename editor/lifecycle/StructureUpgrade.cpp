#include "editor/lifecycle/StructureUpgrade.h"

#include <QList>
#include <QVariantList>

#include "editor/lifecycle/FilterSort.h"
#include "editor/lifecycle/LifecycleView.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

namespace {

const QString kParamClass = QStringLiteral("CLSID_ParamObjType");
const QString kInternals = QStringLiteral("Internals");
const QString kFilters = QStringLiteral("Filters");
const QString kFiltersArray = QStringLiteral("FiltersArray");

// Runs one step of the upgrade; a step that fails is skipped.
template <typename Step>
void ignoringErrors(Step step) {
    try {
        step();
    } catch (const AppError&) {
    }
}

// Shows the wait window and disables the main window for its lifetime.
class WaitWindow {
  public:
    explicit WaitWindow(LifecycleView& view) : view_(view) {
        view_.showWaitWindow(
            QStringLiteral("Updating the internal structure of this BDF.  Please wait..."));
    }
    ~WaitWindow() { view_.hideWaitWindow(); }

  private:
    LifecycleView& view_;
};

}  // namespace

StructureUpgrade::StructureUpgrade(LifecycleView& view, LifecycleServices& services)
    : view_(view), services_(services) {}

int StructureUpgrade::structureOf(doc::Document& document) {
    try {
        return doc::internals::BDFStructure(document);
    } catch (const AppError&) {
        return 0;
    }
}

bool StructureUpgrade::upgradeBDF(std::unique_ptr<doc::Document>& document, const QString& path,
                                  bool& filtersUnsorted) {
    const int structure = structureOf(*document);
    if (structure >= kCurrentStructure) return true;
    WaitWindow wait(view_);
    if (structure < 1) fromStructure0(*document);
    if (structure < 2) fromStructure1(*document, filtersUnsorted);
    fromStructure2(*document);
    return saveAndBindAgain(document, path);
}

void StructureUpgrade::fromStructure0(doc::Document& document) {
    ignoringErrors([&] { document.AddType(kInternals, kParamClass); });
    const std::pair<const char*, const char*> members[] = {{"BDFMajorver", "integer"},
                                                           {"BDFMinorver", "integer"},
                                                           {"BDFStructure", "integer"},
                                                           {"BDFLastUpdate", "datetime"}};
    for (const auto& [name, type] : members) {
        ignoringErrors(
            [&] { document.Internals().AddProperty(QLatin1String(name), QLatin1String(type)); });
    }
    ignoringErrors([&] { doc::internals::setBDFMajorVer(document, 1); });
    ignoringErrors([&] { doc::internals::setBDFMinorver(document, 0); });
    ignoringErrors([&] { doc::internals::setBDFStructure(document, 1); });
    ignoringErrors(
        [&] { doc::internals::setBDFLastUpdate(document, QDateTime::currentDateTime()); });
}

void StructureUpgrade::fromStructure1(doc::Document& document, bool& filtersUnsorted) {
    ignoringErrors([&] { doc::internals::setBDFStructure(document, 2); });
    filtersUnsorted = true;
    sortFilters(document, filtersUnsorted, view_);
}

void StructureUpgrade::fromStructure2(doc::Document& document) {
    ignoringErrors([&] { doc::internals::setBDFStructure(document, 3); });
    QList<QVariantList> rows;
    ignoringErrors([&] { rows = document.FiltersArray().valuearray(); });
    ignoringErrors([&] { document.FiltersArray().RemoveAll(); });
    ignoringErrors([&] { document.deleteProperty(kFiltersArray); });
    ignoringErrors([&] { document.deleteType(kFiltersArray); });
    ignoringErrors([&] { document.deleteType(kFilters); });
    ignoringErrors([&] { document.AddType(kFilters, kParamClass); });
    const std::pair<const char*, const char*> fields[] = {
        {"PropToSet", "string"}, {"MatchStr", "string"}, {"ValToSet", "string"},
        {"Priority", "integer"}, {"uid", "integer"},     {"filterType", "integer"},
        {"dataField", "string"}};
    for (const auto& [name, type] : fields) {
        ignoringErrors(
            [&] { document.Path(kFilters).AddProperty(QLatin1String(name), QLatin1String(type)); });
    }
    ignoringErrors([&] { document.addArrayType(kFiltersArray, kFilters); });
    ignoringErrors([&] { document.AddProperty(kFiltersArray, kFiltersArray); });
    for (const QVariantList& row : rows) {
        ignoringErrors([&] {
            doc::FilterElement& element = document.FiltersArray()[document.FiltersArray().Add()];
            const char* names[] = {"propToSet", "matchStr", "valToSet", "priority"};
            for (int i = 0; i < 4; ++i) element.set(QLatin1String(names[i]), row.value(i));
            element.set(QStringLiteral("uId"), row.value(4));  // the integer field converts it
            element.set(QStringLiteral("filterType"), 0);
            element.set(QStringLiteral("DataField"), QString());
        });
    }
}

// The upgraded document is written back to its file before it is shown; an upgrade that
// cannot be saved is not passed off as done.
bool StructureUpgrade::saveAndBindAgain(std::unique_ptr<doc::Document>& document,
                                        const QString& path) {
    try {
        services_.save(*document, path);
    } catch (const AppError&) {
        return false;
    }
    document->RevokeFromROT(true);
    document.reset();
    try {
        document = services_.bind(path);
    } catch (const AppError&) {
        return false;
    }
    return document != nullptr;
}

}  // namespace sentrel::lifecycle
