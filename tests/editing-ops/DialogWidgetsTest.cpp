#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "editing/BrowFormFields.h"
#include "editing/FilterForm.h"
#include "editing/FilterFormFields.h"
#include "editing/browForm.h"

namespace sentrel::test {
namespace {

namespace ff = editing::filterform;
namespace bf = editing::browform;

const QVariantMap kFilter{
    {ff::kProperties, QStringList({"Browser", "Cookies"})},
    {ff::kPropertyTypes, QVariantMap({{"Browser", "String"}, {"Cookies", "Boolean"}})},
    {ff::kProperty, "cookies"},  // stored filters may name it in another case
    {ff::kValue, "false"},
    {ff::kBasedOn, "Cookie value"},
    {ff::kData, "session"}};

template <typename T>
T* child(QWidget& parent, const QString& name) {
    return parent.findChild<T*>(name);
}

// Runs a dialog and, once it shows, does `step` in it.
template <typename Dialog>
DialogResult runWith(Dialog& dialog, const DialogRequest& request, std::function<void()> step) {
    QTimer::singleShot(0, &dialog, std::move(step));
    return dialog.run(request);
}

TEST(FilterFormWidget, BooleanDropDownAndDataFieldFollowTheChoices) {
    editing::FilterForm form;
    form.load(kFilter);
    EXPECT_EQ(child<QLabel>(form, "lblDataType")->text(), "(Boolean)");
    EXPECT_EQ(form.fields().value(ff::kProperty), "Cookies");
    EXPECT_EQ(form.fields().value(ff::kValue), "False");
    EXPECT_EQ(form.fields().value(ff::kData), "session");

    auto* kind = child<QComboBox>(form, ff::kBasedOn);
    kind->setCurrentText("Browser user agent");
    EXPECT_TRUE(child<QLineEdit>(form, ff::kData)->isHidden());
    kind->setCurrentText("Client certificate");
    EXPECT_FALSE(child<QLineEdit>(form, ff::kData)->isHidden());
    EXPECT_EQ(form.fields().value(ff::kData), "");
    child<QComboBox>(form, ff::kProperty)->setCurrentText("Browser");
    EXPECT_EQ(form.fields().value(ff::kValue), "false");
}

TEST(FilterFormWidget, DialogShrinksWhenTheDataFieldHidesAndGrowsBack) {
    editing::FilterForm form;
    form.load(kFilter);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int withData = form.height();
    const int fieldRow = child<QLineEdit>(form, ff::kData)->height();

    auto* kind = child<QComboBox>(form, ff::kBasedOn);
    kind->setCurrentText("Browser user agent");
    QCoreApplication::processEvents();
    EXPECT_LE(form.height(), withData - fieldRow);
    kind->setCurrentText("Cookie value");
    QCoreApplication::processEvents();
    EXPECT_EQ(form.height(), withData);
}

TEST(FilterFormWidget, NoPropertyChosenShowsNoTypeBrackets) {
    editing::FilterForm form;
    QVariantMap fields = kFilter;
    fields.insert(ff::kProperty, "");
    form.load(fields);
    auto* type = child<QLabel>(form, "lblDataType");
    auto* property = child<QComboBox>(form, ff::kProperty);
    property->setCurrentIndex(-1);
    EXPECT_EQ(type->text(), "");
    property->setCurrentText("Browser");
    EXPECT_EQ(type->text(), "(String)");
}

TEST(FilterFormWidget, AnyValueOfABooleanFilterStaysWhenOnlyThePriorityChanges) {
    editing::FilterForm form;
    QVariantMap fields = kFilter;
    fields.insert(ff::kValue, "*");
    fields.insert(ff::kPriority, "1");
    form.load(fields);
    child<QLineEdit>(form, ff::kPriority)->setText("2");
    EXPECT_EQ(form.fields().value(ff::kValue), "*");

    // "*" is offered only while it is the filter's value.
    form.load(kFilter);
    auto* values = child<QComboBox>(form, "cbValueToSet");
    EXPECT_EQ(values->count(), 2);
    EXPECT_EQ(form.fields().value(ff::kValue), "False");
}

TEST(DialogWidgets, CloseBoxCancelsAndRefusedOkKeepsTheDialogOpen) {
    editing::FilterForm filterForm;
    int checks = 0;
    const DialogRequest request{ff::kDialogName, kFilter,
                                [&checks](const QVariantMap&) { return ++checks > 1; }};
    EXPECT_FALSE(runWith(filterForm, request, [&] { filterForm.close(); }).accepted);
    const DialogResult confirmed = runWith(filterForm, request, [&] {
        child<QPushButton>(filterForm, "btnOK")->click();
        EXPECT_TRUE(filterForm.isVisible());
        child<QPushButton>(filterForm, "btnOK")->click();
    });
    EXPECT_TRUE(confirmed.accepted);

    editing::browForm browForm;
    const DialogRequest add{bf::kDialogName, {}, [](const QVariantMap&) { return true; }};
    EXPECT_FALSE(runWith(browForm, add, [&] { browForm.close(); }).accepted);

    // Escape cancels both, from any field.
    EXPECT_FALSE(runWith(filterForm, request, [&] {
                     QTest::keyClick(child<QLineEdit>(filterForm, ff::kMatchCondition),
                                     Qt::Key_Escape);
                 }).accepted);
    EXPECT_FALSE(runWith(browForm, add, [&] {
                     QTest::keyClick(browForm.focusWidget(), Qt::Key_Escape);
                 }).accepted);
}

}  // namespace
}  // namespace sentrel::test
