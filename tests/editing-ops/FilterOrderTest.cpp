#include <gtest/gtest.h>

#include "OpsFixture.h"
#include "StatusView.h"
#include "editing/FilterFormFields.h"
#include "editor/lifecycle/FilterSort.h"

namespace sentrel::test {
namespace {

namespace ff = editing::filterform;

TEST(FilterOrder, AddedFiltersSortStablyByPriorityOnce) {
    Ops ops;
    StatusView view;
    for (const char* priority : {"5", "1", "3", "1"}) {
        ops.window.script.answerDialog({{ff::kProperty, "Browser"},
                                        {ff::kMatchCondition, QString("*%1*").arg(priority)},
                                        {ff::kValue, "x"},
                                        {ff::kPriority, priority}});
        ops.filters.addFilter();
    }
    ASSERT_TRUE(ops.filtersUnsorted);
    EXPECT_TRUE(lifecycle::sortFilters(*ops.document, ops.filtersUnsorted, view));
    EXPECT_EQ(ops.filterField("priority"), QStringList({"1", "1", "3", "5"}));
    EXPECT_EQ(ops.filterField("uId"), QStringList({"102", "104", "103", "101"}));
    EXPECT_FALSE(ops.filtersUnsorted);
    // A second save without edits in between does not sort again.
    EXPECT_TRUE(lifecycle::sortFilters(*ops.document, ops.filtersUnsorted, view));
    EXPECT_EQ(view.sorts, 1);

    ops.document->FiltersArray().RemoveAll();
    ops.filtersUnsorted = true;
    EXPECT_TRUE(lifecycle::sortFilters(*ops.document, ops.filtersUnsorted, view));
    EXPECT_EQ(ops.document->FiltersArray().Count(), 0);
    EXPECT_FALSE(ops.filtersUnsorted);
}

}  // namespace
}  // namespace sentrel::test
