#include <gtest/gtest.h>

#include "OpsFixture.h"
#include "document/DocumentWriter.h"
#include "editing/FilterFormFields.h"

namespace sentrel::test {
namespace {

namespace ff = editing::filterform;

QVariantMap filter(const QString& property, const QString& match, const QString& value,
                   const QString& priority, const QString& kind = "Browser user agent",
                   const QString& data = QString()) {
    return {{ff::kProperty, property}, {ff::kMatchCondition, match}, {ff::kValue, value},
            {ff::kPriority, priority}, {ff::kBasedOn, kind},         {ff::kData, data}};
}

void add(Ops& ops, const QVariantMap& fields) {
    ops.window.script.answerDialog(fields);
    ops.filters.addFilter();
}

TEST(AddFilter, CookieFilterStoredShownAndRecordedWithPackedValue) {
    Ops ops;
    add(ops, filter("Browser", "*Mozilla*", "Gecko", " 1 ", "Cookie value", "engine"));

    // First use: priority 1 and the user-agent kind preset; no system properties offered.
    EXPECT_EQ(ops.dialogField(0, ff::kPriority), "1");
    EXPECT_EQ(ops.dialogField(0, ff::kBasedOn), "Browser user agent");
    const QStringList offered = ops.dialogField(0, ff::kProperties).toStringList();
    EXPECT_EQ(offered.first(), "majorver");
    EXPECT_EQ(offered.last(), "CSSVersion");
    EXPECT_FALSE(offered.contains("i__description"));

    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{10, {"101", "Browser", "*Mozilla*", "Gecko|1|engine", "1"}}}));
    EXPECT_EQ(ops.rowCells("K101"),
              QStringList({"Browser", "*Mozilla*", "Gecko", "1", "Cookie", "engine"}));
    EXPECT_EQ(ops.views.selectedFilterRows(), QStringList{"K101"});
    EXPECT_TRUE(ops.window.commands.value("miFiltersChange"));
    EXPECT_EQ(ops.window.modified, 1);
    EXPECT_FALSE(ops.filtersUnsorted);  // " 1 " trimmed is "1"
    EXPECT_FALSE(ops.filterDialogStale);

    add(ops, filter("Browser", "*a*", "A", "2"));
    EXPECT_TRUE(ops.filtersUnsorted);
}

TEST(AddFilter, RefusesIncompleteInputAndUnusablePriorities) {
    Ops ops;
    for (const char* priority : {"0", "-1", "abc", "0.4", "1e12"}) {
        ops.window.script.answerDialog(filter("Browser", "*a*", "A", priority));
    }
    ops.window.script.answerDialog(filter("Browser", "", "A", "1"));
    ops.window.script.answerDialog(filter("Browser", "*a*", "", "1"));
    ops.window.script.answerDialog(filter("", "*a*", "A", "1"));
    add(ops, filter("Browser", "*a*", "A", "1.6"));

    const MessageRequest invalid{
        "Invalid input", "Invalid input for filter definition.  Please retry or choose cancel.",
        MsgIcon::Exclamation};
    EXPECT_EQ(ops.window.script.messages(), QList<MessageRequest>(8, invalid));
    EXPECT_EQ(ops.filterField("priority"), QStringList{"2"});
}

TEST(AddFilter, ValueFitsThePropertyTypeAndExactMatchIsConfirmed) {
    Ops ops;
    add(ops, filter("CSSVersion", "*a*", "*", "1"));  // "*" suits any type
    ops.window.script.answerDialog(filter("CSSVersion", "*b*", "abc", "1"));
    ops.window.script.answerMessage(MsgAnswer::OK);
    ops.window.script.answerDialog(filter("Cookies", "Mozilla/4.0", "true", "1"));
    ops.window.script.answerMessage(MsgAnswer::No);  // keeps the dialog open
    ops.window.script.answerDialog(filter("Cookies", "Mozilla/4.0", "true", "1"));
    ops.window.script.answerMessage(MsgAnswer::Yes);
    ops.filters.addFilter();

    const auto messages = ops.window.script.messages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0], (MessageRequest{"Invalid Data For Specified Property",
                                           "The specified value \"abc\" is not valid \r\n"
                                           "for the selected property's data type.",
                                           MsgIcon::Exclamation}));
    EXPECT_EQ(messages[1], (MessageRequest{"Exact Filter Condition Specified",
                                           "You did not include any wildcard characters (*) in "
                                           "your filter condition.\r\nThis means that your match "
                                           "must be exact, which is not a typical setting.\r\n"
                                           "Would you like to continue anyway?",
                                           MsgIcon::Question, MsgButtons::YesNo, 2}));
    EXPECT_EQ(ops.filterField("valToSet"), QStringList({"*", "True"}));  // Boolean case
}

TEST(AddFilter, UserAgentFilterKeepsNoDataFieldAndIdsAreNeverShared) {
    Ops ops;
    ops.ids = {101, 101, 101, 102};
    add(ops, filter("Browser", "*a*", "A", "1", "Cookie value", "c"));
    add(ops, filter("Browser", "*b*", "B", "1", "Browser user agent", "left over"));
    EXPECT_EQ(ops.filterField("uId"), QStringList({"101", "102"}));
    EXPECT_EQ(ops.filterField("DataField"), QStringList({"c", ""}));
    EXPECT_EQ(ops.window.merges.back().fields[3], "B");
    EXPECT_EQ(ops.dialogField(1, ff::kMatchCondition), "*a*");  // the dialog keeps its contents
}

TEST(ChangeFilter, SortingFollowsThePriorityTextAsShown) {
    Ops ops;
    add(ops, filter("Browser", "*a*", "A", "3", "Server environment variable", "HTTP_X"));
    ops.filtersUnsorted = false;
    ops.window.script.answerDialog({{ff::kValue, "B"}});
    ops.filters.changeFilter("K101");
    EXPECT_EQ(ops.dialogField(1, ff::kMode), "change");
    EXPECT_EQ(ops.dialogField(1, ff::kBasedOn), "Server environment variable");
    EXPECT_FALSE(ops.filtersUnsorted);
    EXPECT_EQ(ops.window.merges.back(), (Merge{11, {"101", "Browser", "*a*", "B|2|HTTP_X", "3"}}));
    EXPECT_EQ(ops.rowCells("K101").value(2), "B");

    ops.window.script.answerDialog({{ff::kPriority, "03"}});
    ops.filters.changeFilter("K101");
    EXPECT_TRUE(ops.filtersUnsorted);

    ops.document->FiltersArray().RemoveAll();
    ops.window.script.answerDialog({});
    ops.filters.changeFilter("K101");
    EXPECT_EQ(ops.window.script.messages().back(),
              (MessageRequest{"Error Changing Filter",
                              "Error: Could not find matching key in filter object for update.",
                              MsgIcon::Critical}));
}

TEST(RemoveFilters, AsksBeforeRemovingSeveral) {
    Ops ops;
    for (const char* match : {"*a*", "*b*", "*c*"}) add(ops, filter("Browser", match, "x", "1"));
    ops.selectFilterRows({"K101", "K103"});
    ops.window.script.answerMessage(MsgAnswer::Cancel);
    ops.window.script.answerMessage(MsgAnswer::OK);
    ops.filters.removeFilters();
    EXPECT_EQ(ops.document->FiltersArray().Count(), 3);
    EXPECT_EQ(ops.window.script.messages().back(),
              (MessageRequest{"Remove multiple filters confirmation",
                              "You have chosen to remove 2 filters. You can undo this\n"
                              "with Edit > Undo.  Do you wish to procede?",
                              MsgIcon::Question, MsgButtons::OKCancel, 2}));
    ops.filters.removeFilters();
    EXPECT_EQ(ops.filterField("uId"), QStringList{"102"});
    EXPECT_EQ(ops.views.filterList().texts().size(), 1);
    EXPECT_FALSE(ops.rowCells("K102").isEmpty());
    EXPECT_EQ(ops.window.merges.back(), (Merge{12, {"103", "", "", "", ""}}));

    ops.selectFilterRows({"K102"});
    ops.filters.removeFilters();  // one filter goes without asking
    EXPECT_EQ(ops.window.script.messages().size(), 2);
    EXPECT_FALSE(ops.window.commands.value("miFiltersRemove"));
    ops.filters.removeFilter("K555");
    EXPECT_EQ(ops.window.script.messages().back().title, "Error Removing Filter");
}

TEST(FilterEdits, AFailedRecordLeavesTheFiltersAndTheirRowsAsTheyWere) {
    Ops ops;
    add(ops, filter("Browser", "*a*", "A", "1"));
    add(ops, filter("Browser", "*b*", "B", "1"));
    const QByteArray before = doc::DocumentWriter::write(*ops.document);
    const QStringList rows = ops.views.filterList().texts();
    ops.window.journalFailure = AppError(61, "Disk full");

    ops.window.script.answerDialog(filter("Browser", "*c*", "C", "1"));
    EXPECT_THROW(ops.filters.addFilter(), AppError);
    ops.window.script.answerDialog({{ff::kValue, "Z"}, {ff::kPriority, "5"}});
    EXPECT_THROW(ops.filters.changeFilter("K101"), AppError);
    EXPECT_THROW(ops.filters.removeFilter("K101"), AppError);

    EXPECT_EQ(doc::DocumentWriter::write(*ops.document), before);
    EXPECT_EQ(ops.views.filterList().texts(), rows);
    EXPECT_EQ(ops.rowCells("K101"), QStringList({"Browser", "*a*", "A", "1", "UA", ""}));
    EXPECT_EQ(ops.window.modified, 2) << "marked by the two adds only";
    EXPECT_FALSE(ops.filtersUnsorted);

    // Removing several: the filters removed before the failure stay removed and are shown so.
    ops.window.recordsBeforeFailure = 1;
    ops.selectFilterRows({"K101", "K102"});
    ops.window.script.answerMessage(MsgAnswer::OK);
    EXPECT_THROW(ops.filters.removeFilters(), AppError);
    EXPECT_EQ(ops.filterField("uId"), QStringList{"102"});
    EXPECT_TRUE(ops.rowCells("K101").isEmpty());
    EXPECT_EQ(ops.window.modified, 3);
}

TEST(FilterPropertyList, RebuiltOnlyWhenStale) {
    Ops ops;
    const auto offersTables = [&ops](int dialog) {
        return ops.dialogField(dialog, ff::kProperties).toStringList().contains("Tables");
    };
    ops.filters.addFilter();  // unanswered: cancelled
    ops.document->DefaultBrowser().AddParameter("Tables", "Boolean");
    ops.filters.addFilter();
    ops.filterDialogStale = true;
    ops.filters.addFilter();
    EXPECT_FALSE(offersTables(1));
    EXPECT_TRUE(offersTables(2));
    EXPECT_FALSE(ops.filterDialogStale);
}

}  // namespace
}  // namespace sentrel::test
