#include <gtest/gtest.h>

#include <deque>

#include "OpsFixture.h"
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

// Ops whose unique ids come from a fixed sequence.
struct FilterOps : Ops {
    explicit FilterOps(std::deque<int> ids = {101, 102, 103, 104, 105}) : ids_(std::move(ids)) {
        filters.setIdSource([this] {
            const int id = ids_.front();
            ids_.pop_front();
            return id;
        });
    }
    void add(const QVariantMap& fields) {
        window.script.answerDialog(fields);
        filters.addFilter();
    }

  private:
    std::deque<int> ids_;
};

TEST(AddFilter, CookieFilterIsStoredShownAndRecordedWithPackedValue) {
    FilterOps ops;
    ops.add(filter("Browser", "*Mozilla*", "Gecko", " 1 ", "Cookie value", "engine"));

    // First use: priority 1 and the user-agent kind preset, system properties left out.
    const auto& event = ops.window.script.events().front();
    EXPECT_EQ(event.fields.value(ff::kCaption).toString(), "Add New Filter");
    EXPECT_EQ(event.fields.value(ff::kPriority).toString(), "1");
    EXPECT_EQ(event.fields.value(ff::kBasedOn).toString(), "Browser user agent");
    const QStringList offered = event.fields.value(ff::kProperties).toStringList();
    EXPECT_EQ(offered.first(), "majorver");
    EXPECT_EQ(offered.last(), "CSSVersion");
    EXPECT_FALSE(offered.contains("i__description"));

    EXPECT_EQ(ops.filterField("uId"), QStringList{"101"});
    EXPECT_EQ(ops.filterField("priority"), QStringList{"1"});
    EXPECT_EQ(ops.filterField("filterType"), QStringList{"1"});
    EXPECT_EQ(ops.filterField("DataField"), QStringList{"engine"});
    EXPECT_EQ(ops.window.merges,
              (std::vector<Merge>{{10, {"101", "Browser", "*Mozilla*", "Gecko|1|engine", "1"}}}));
    EXPECT_EQ(ops.window.rowOrder, QStringList{"K101"});
    EXPECT_EQ(ops.window.rows.value("K101"),
              QStringList({"Browser", "*Mozilla*", "Gecko", "1", "Cookie", "engine"}));
    EXPECT_EQ(ops.window.modified, 1);
    EXPECT_EQ(ops.window.filterCommandUpdates, 1);
    EXPECT_FALSE(ops.filtersUnsorted);  // " 1 " trimmed is "1"
    EXPECT_FALSE(ops.filterDialogStale);
}

TEST(AddFilter, PriorityOtherThanOneAsksForSorting) {
    FilterOps ops;
    ops.add(filter("Browser", "*a*", "A", "2"));
    EXPECT_TRUE(ops.filtersUnsorted);
}

TEST(AddFilter, RefusesIncompleteInputAndBadPriorities) {
    FilterOps ops;
    for (const char* priority : {"0", "-1", "abc", "0.4", "1e12"}) {
        ops.window.script.answerDialog(filter("Browser", "*a*", "A", priority));
    }
    ops.window.script.answerDialog(filter("Browser", "", "A", "1"));
    ops.window.script.answerDialog(filter("Browser", "*a*", "", "1"));
    ops.window.script.answerDialog(filter("", "*a*", "A", "1"));
    ops.window.script.answerDialog(filter("Browser", "*a*", "A", "1.6"));
    ops.filters.addFilter();

    const auto messages = ops.window.script.messages();
    ASSERT_EQ(messages.size(), 8);
    for (const MessageRequest& message : messages) {
        EXPECT_EQ(message.text,
                  "Invalid input for filter definition.  Please retry or choose "
                  "cancel.");
        EXPECT_EQ(message.title, "Invalid input");
        EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    }
    EXPECT_EQ(ops.filterField("priority"), QStringList{"2"});
}

TEST(AddFilter, ValueChecksFollowThePropertyTypeExceptTheWildcard) {
    FilterOps ops;
    ops.add(filter("CSSVersion", "*a*", "*", "1"));
    ops.window.script.answerDialog(filter("CSSVersion", "*b*", "abc", "1"));
    ops.window.script.answerDialog(filter("Cookies", "*b*", "true", "1"));
    ops.filters.addFilter();

    ASSERT_EQ(ops.window.script.messages().size(), 1);
    const MessageRequest message = ops.window.script.messages()[0];
    EXPECT_EQ(message.text,
              "The specified value \"abc\" is not valid \r\nfor the selected property's data "
              "type.");
    EXPECT_EQ(message.title, "Invalid Data For Specified Property");
    // A Boolean value is stored in its proper case.
    EXPECT_EQ(ops.filterField("valToSet"), QStringList({"*", "True"}));
}

TEST(AddFilter, ExactMatchConditionNeedsConfirmation) {
    FilterOps ops;
    ops.window.script.answerDialog(filter("Browser", "Mozilla/4.0", "Old", "1"));
    ops.window.script.answerMessage(MsgAnswer::No);  // keeps the dialog open
    ops.window.script.answerDialog(filter("Browser", "Mozilla/4.0", "Old", "1"));
    ops.window.script.answerMessage(MsgAnswer::Yes);
    ops.filters.addFilter();
    ops.add(filter("Browser", "Mozilla/4.0*", "Old", "1"));

    const auto messages = ops.window.script.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0],
              (MessageRequest{"Exact Filter Condition Specified",
                              "You did not include any wildcard characters (*) in your filter "
                              "condition.\r\nThis means that your match must be exact, which is "
                              "not a typical setting.\r\nWould you like to continue anyway?",
                              MsgIcon::Question, MsgButtons::YesNo, 2, 0}));
    EXPECT_EQ(ops.filterField("matchStr"), QStringList({"Mozilla/4.0", "Mozilla/4.0*"}));
}

TEST(AddFilter, UserAgentFilterKeepsNoDataFieldAndIdsNeverRepeat) {
    FilterOps ops({101, 101, 101, 102});
    ops.add(filter("Browser", "*a*", "A", "1", "Cookie value", "c"));
    ops.add(filter("Browser", "*b*", "B", "1", "Browser user agent", "left over"));
    EXPECT_EQ(ops.filterField("uId"), QStringList({"101", "102"}));
    EXPECT_EQ(ops.filterField("DataField"), QStringList({"c", ""}));
    EXPECT_EQ(ops.window.merges.back().fields[3], "B");
    // The dialog keeps its contents between uses.
    EXPECT_EQ(ops.dialogField(1, ff::kMatchCondition), "*a*");
}

TEST(ChangeFilter, SortingFollowsThePriorityTextAsShown) {
    FilterOps ops;
    ops.add(filter("Browser", "*a*", "A", "3", "Server environment variable", "HTTP_X"));
    ops.filtersUnsorted = false;

    ops.window.script.answerDialog({{ff::kValue, "B"}});
    ops.filters.changeFilter("K101");
    EXPECT_EQ(ops.dialogField(1, ff::kCaption), "Change Existing Filter");
    EXPECT_EQ(ops.dialogField(1, ff::kMode), "change");
    EXPECT_EQ(ops.dialogField(1, ff::kBasedOn), "Server environment variable");
    EXPECT_EQ(ops.dialogField(1, ff::kData), "HTTP_X");
    EXPECT_FALSE(ops.filtersUnsorted);
    EXPECT_EQ(ops.window.merges.back(), (Merge{11, {"101", "Browser", "*a*", "B|2|HTTP_X", "3"}}));
    EXPECT_EQ(ops.window.rows.value("K101").at(2), "B");

    ops.window.script.answerDialog({{ff::kPriority, "03"}});
    ops.filters.changeFilter("K101");
    EXPECT_TRUE(ops.filtersUnsorted);
    EXPECT_EQ(ops.window.modified, 3);
}

TEST(ChangeFilter, ReportsARowWhoseFilterIsGone) {
    FilterOps ops;
    ops.add(filter("Browser", "*a*", "A", "1"));
    ops.document->FiltersArray().RemoveAll();
    ops.window.script.answerDialog({});
    ops.filters.changeFilter("K101");
    ASSERT_EQ(ops.window.script.messages().size(), 1);
    EXPECT_EQ(ops.window.script.messages()[0].text,
              "Error: Could not find matching key in filter object for update.");
    EXPECT_EQ(ops.window.script.messages()[0].title, "Error Changing Filter");
    EXPECT_EQ(ops.window.merges.size(), 1u);
}

TEST(RemoveFilters, AsksBeforeRemovingSeveral) {
    FilterOps ops;
    for (const char* match : {"*a*", "*b*", "*c*"}) ops.add(filter("Browser", match, "x", "1"));
    ops.window.selectedRows = {"K101", "K103"};
    ops.window.script.answerMessage(MsgAnswer::Cancel);
    ops.filters.removeFilters();
    EXPECT_EQ(ops.document->FiltersArray().Count(), 3);
    const MessageRequest question = ops.window.script.messages().back();
    EXPECT_EQ(question.text,
              "You have chosen to remove 2 filters. This operation can\n"
              "not be undone.  Do you wish to procede?");
    EXPECT_EQ(question.buttons, MsgButtons::OKCancel);
    EXPECT_EQ(question.defaultButton, 2);

    ops.window.script.answerMessage(MsgAnswer::OK);
    ops.filters.removeFilters();
    EXPECT_EQ(ops.filterField("uId"), QStringList{"102"});
    EXPECT_EQ(ops.window.rowOrder, QStringList{"K102"});
    EXPECT_EQ(ops.window.merges.back(), (Merge{12, {"103", "", "", "", ""}}));

    ops.window.selectedRows = {"K102"};
    ops.filters.removeFilters();  // one filter goes without asking
    EXPECT_EQ(ops.window.script.messages().size(), 2);
    EXPECT_EQ(ops.document->FiltersArray().Count(), 0);

    ops.filters.removeFilter("K555");
    EXPECT_EQ(ops.window.script.messages().back().title, "Error Removing Filter");
}

TEST(FilterPropertyList, RebuiltOnlyWhenStale) {
    FilterOps ops;
    ops.window.script.cancelDialog();
    ops.filters.addFilter();
    ops.document->DefaultBrowser().AddParameter("Tables", "Boolean");
    ops.window.script.cancelDialog();
    ops.filters.addFilter();
    EXPECT_FALSE(ops.window.script.events()[1]
                     .fields.value(ff::kProperties)
                     .toStringList()
                     .contains("Tables"));

    ops.filterDialogStale = true;
    ops.window.script.cancelDialog();
    ops.filters.addFilter();
    EXPECT_TRUE(ops.window.script.events()[2]
                    .fields.value(ff::kProperties)
                    .toStringList()
                    .contains("Tables"));
    EXPECT_FALSE(ops.filterDialogStale);
}

}  // namespace
}  // namespace sentrel::test
