#include <gtest/gtest.h>

#include "document/Document.h"
#include "document/FilterOrder.h"
#include "support/FilterCollection.h"

using namespace sentrel;
using namespace sentrel::doc;

namespace {

// Filters with priorities 5, 1, 3, 1 (uIds 101 to 104), the third one a cookie filter.
std::unique_ptr<Document> unsortedFilters(int structure) {
    auto document = Document::create();
    TypeObject& internals = document->AddType("Internals", "CLSID_ParamObjType");
    internals.AddProperty("BDFStructure", "integer");
    internals::setBDFStructure(*document, structure);
    test::addFilterCollection(*document);
    FiltersArray& filters = document->FiltersArray();
    const int priorities[] = {5, 1, 3, 1};
    for (int i = 0; i < 4; ++i) {
        FilterElement& filter = filters[filters.Add()];
        filter.set("propToSet", "Browser");
        filter.set("priority", priorities[i]);
        filter.set("uId", 101 + i);
    }
    filters[2].set("filterType", 1);
    filters[2].set("DataField", "session");
    return document;
}

QStringList column(Document& document, const QString& field) {
    QStringList values;
    const FiltersArray& filters = document.FiltersArray();
    for (int i = 0; i < filters.Count(); ++i) values << filters[i].text(field);
    return values;
}

}  // namespace

TEST(FilterOrder, ByPriorityKeepsTheStoredOrderOfEqualPriorities) {
    auto document = unsortedFilters(3);
    EXPECT_EQ(filter_order::byPriority(document->FiltersArray()), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(column(*document, "uId"), QStringList({"101", "102", "103", "104"}));  // untouched

    filter_order::sortByPriority(*document);
    EXPECT_EQ(column(*document, "priority"), QStringList({"1", "1", "3", "5"}));
    EXPECT_EQ(column(*document, "uId"), QStringList({"102", "104", "103", "101"}));
    EXPECT_EQ(column(*document, "DataField"), QStringList({"", "", "session", ""}));

    document->FiltersArray().RemoveAll();
    filter_order::sortByPriority(*document);
    EXPECT_EQ(document->FiltersArray().Count(), 0);
}

TEST(FilterOrder, BeforeStructureThreeOnlyTheOlderFieldsAreCarried) {
    auto document = unsortedFilters(2);
    filter_order::sortByPriority(*document);
    EXPECT_EQ(column(*document, "uId"), QStringList({"102", "104", "103", "101"}));
    EXPECT_EQ(column(*document, "DataField"), QStringList({"", "", "", ""}));
}
