#include <gtest/gtest.h>

#include "OpsFixture.h"
#include "StatusView.h"
#include "editing/FilterFormFields.h"
#include "editor/lifecycle/FilterSort.h"

namespace sentrel::test {
namespace {

namespace ff = editing::filterform;

struct SortedOps : Ops {
    SortedOps() {
        int next = 1;
        filters.setIdSource([next]() mutable { return next++; });
    }
    void add(const QString& priority, const QString& match) {
        window.script.answerDialog({{ff::kProperty, "Browser"},
                                    {ff::kMatchCondition, match},
                                    {ff::kValue, "x"},
                                    {ff::kPriority, priority}});
        filters.addFilter();
    }
    bool sort() { return lifecycle::sortFilters(*document, filtersUnsorted, view); }
    StatusView view;
};

TEST(FilterOrder, AddedFiltersSortStablyByPriorityOnce) {
    SortedOps ops;
    ops.add("5", "*a*");
    ops.add("1", "*b*");
    ops.add("3", "*c*");
    ops.add("1", "*d*");
    ASSERT_TRUE(ops.filtersUnsorted);

    EXPECT_TRUE(ops.sort());
    EXPECT_EQ(ops.filterField("priority"), QStringList({"1", "1", "3", "5"}));
    EXPECT_EQ(ops.filterField("matchStr"), QStringList({"*b*", "*d*", "*c*", "*a*"}));
    EXPECT_EQ(ops.filterField("uId"), QStringList({"2", "4", "3", "1"}));
    EXPECT_FALSE(ops.filtersUnsorted);

    // A second save without edits in between does not sort again.
    EXPECT_TRUE(ops.sort());
    EXPECT_EQ(ops.view.sorts, 1);
}

TEST(FilterOrder, EmptyCollectionSortsAndClearsTheFlag) {
    SortedOps ops;
    ops.filtersUnsorted = true;
    EXPECT_TRUE(ops.sort());
    EXPECT_EQ(ops.document->FiltersArray().Count(), 0);
    EXPECT_FALSE(ops.filtersUnsorted);
}

}  // namespace
}  // namespace sentrel::test
