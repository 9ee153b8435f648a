#include "document/testing/SyntheticDocument.h"

#include <QDateTime>

namespace sentrel::doc::testing {

namespace {

const char* const kSystemProperties[] = {"i__description", "i__userAgent", "i__type", "i__lastupd",
                                         "i__icon"};
const char* const kVersionProperties[] = {"majorver", "minorver", "version"};

QString userProperty(int i) {
    return QStringLiteral("prop%1").arg(i, 3, 10, QLatin1Char('0'));
}

void declareRootParameters(TypeObject& root, const SyntheticShape& shape) {
    for (const char* name : kSystemProperties) root.AddParameter(QLatin1String(name), "String");
    for (const char* name : kVersionProperties) root.AddParameter(QLatin1String(name), "String");
    static const char* const kDisplayTypes[] = {"String", "Boolean", "Integer", "Single",
                                                "DateTime"};
    for (int i = 0; i < shape.userProperties; ++i) {
        root.AddParameter(userProperty(i), QLatin1String(kDisplayTypes[i % 5]));
    }
}

void setBrowserValues(TypeObject& type, int index, const SyntheticShape& shape) {
    type.SetParamDefValue("i__description", QStringLiteral("Browser %1").arg(index));
    type.SetParamDefValue("i__userAgent", QStringLiteral("Mozilla/5.0 (Synthetic %1*)").arg(index));
    type.SetParamDefValue("i__type", index % 10 == 0 ? "2" : "0");
    type.SetParamDefValue("i__lastupd", "2026-12-06T10:00:00");
    for (int k = 4; k < shape.ownValuesPerType; ++k) {
        const int property = (index * 7 + k * 13) % std::max(1, shape.userProperties);
        type.SetParamDefValue(userProperty(property),
                              QStringLiteral("value %1/%2").arg(index).arg(k));
    }
}

void addInternals(Document& document) {
    TypeObject& internals = document.AddType("Internals", "CLSID_ParamObjType");
    for (const char* name : {"BDFMajorver", "BDFMinorver", "BDFStructure"}) {
        internals.AddProperty(QLatin1String(name), "integer");
    }
    internals.AddProperty("BDFLastUpdate", "datetime");
    internals::setBDFMajorVer(document, 1);
    internals::setBDFMinorver(document, 0);
    internals::setBDFStructure(document, 3);
    internals::setBDFLastUpdate(document, QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
}

void addFilters(Document& document, const SyntheticShape& shape) {
    TypeObject& filters = document.AddType("Filters", "CLSID_ParamObjType");
    const char* const fields[][2] = {{"PropToSet", "string"}, {"MatchStr", "string"},
                                     {"ValToSet", "string"},  {"Priority", "integer"},
                                     {"uid", "integer"},      {"filterType", "integer"},
                                     {"dataField", "string"}};
    for (const auto& field : fields) filters.AddProperty(QLatin1String(field[0]), field[1]);
    document.addArrayType("FiltersArray", "Filters");
    document.AddProperty("FiltersArray", "FiltersArray");
    FiltersArray& array = document.FiltersArray();
    for (int i = 0; i < shape.filterCount; ++i) {
        FilterElement& filter = array[array.Add()];
        filter.set("propToSet", userProperty(i % std::max(1, shape.userProperties)));
        filter.set("matchStr", QStringLiteral("*Synthetic %1*").arg(i));
        filter.set("valToSet", QStringLiteral("filtered %1").arg(i));
        filter.set("priority", i + 1);
        filter.set("uId", 1000 + i);
        filter.set("filterType", i % 4);
        filter.set("DataField", i % 4 == 0 ? QString() : QStringLiteral("field%1").arg(i));
    }
}

}  // namespace

std::unique_ptr<Document> buildSyntheticDocument(const SyntheticShape& shape) {
    std::unique_ptr<Document> document = Document::create();
    TypeObject& root = document->DefaultBrowser();
    declareRootParameters(root, shape);
    root.SetParamDefValue("i__description", "Default Browser");
    root.SetParamDefValue("i__type", "2");
    const int fanOut = std::max(1, shape.childrenPerType);
    for (int i = 1; i <= shape.typeCount; ++i) {
        const int parent = (i - 1) / fanOut;
        const QString base =
            parent == 0 ? QStringLiteral("DefaultBrowser") : QStringLiteral("b%1").arg(parent);
        setBrowserValues(document->AddInheritedType(QStringLiteral("b%1").arg(i), base), i, shape);
    }
    addInternals(*document);
    addFilters(*document, shape);
    return document;
}

}  // namespace sentrel::doc::testing
