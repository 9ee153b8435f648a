#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "editing/BrowFormFields.h"
#include "editing/FilterForm.h"
#include "editing/FilterFormFields.h"
#include "editing/browForm.h"

namespace sentrel::test {
namespace {

namespace ff = editing::filterform;
namespace bf = editing::browform;

QVariantMap filterFields() {
    return {{ff::kCaption, "Add New Filter"},
            {ff::kProperties, QStringList({"Browser", "Cookies"})},
            {ff::kPropertyTypes, QVariantMap({{"Browser", "String"}, {"Cookies", "Boolean"}})},
            {ff::kProperty, "cookies"},
            {ff::kMatchCondition, "*x*"},
            {ff::kValue, "false"},
            {ff::kPriority, "1"},
            {ff::kBasedOn, "Cookie value"},
            {ff::kData, "session"}};
}

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

TEST(FilterFormWidget, BooleanPropertyKindsAndDataField) {
    editing::FilterForm form;
    form.load(filterFields());
    // The stored property name in another case still finds its entry.
    EXPECT_EQ(child<QComboBox>(form, ff::kProperty)->currentText(), "Cookies");
    EXPECT_EQ(child<QLabel>(form, "lblDataType")->text(), "(Boolean)");
    EXPECT_TRUE(form.isBoolean());
    EXPECT_EQ(form.fields().value(ff::kValue).toString(), "False");
    EXPECT_EQ(form.fields().value(ff::kData).toString(), "session");

    auto* kind = child<QComboBox>(form, ff::kBasedOn);
    EXPECT_EQ(kind->itemText(1), "Server environment variable");
    kind->setCurrentText("Browser user agent");
    EXPECT_TRUE(child<QLineEdit>(form, ff::kData)->isHidden());
    kind->setCurrentText("Client certificate");
    EXPECT_FALSE(child<QLineEdit>(form, ff::kData)->isHidden());
    EXPECT_EQ(form.fields().value(ff::kData).toString(), "");

    child<QComboBox>(form, ff::kProperty)->setCurrentText("Browser");
    EXPECT_EQ(child<QLabel>(form, "lblDataType")->text(), "(String)");
    EXPECT_EQ(form.fields().value(ff::kValue).toString(), "false");
}

TEST(FilterFormWidget, CloseBoxCancelsAndRefusedOkStaysOpen) {
    editing::FilterForm form;
    int checks = 0;
    DialogRequest request{ff::kDialogName, filterFields(),
                          [&](const QVariantMap&) { return ++checks > 1; }};
    const DialogResult closed = runWith(form, request, [&] { form.close(); });
    EXPECT_FALSE(closed.accepted);

    const DialogResult confirmed = runWith(form, request, [&] {
        auto* ok = child<QPushButton>(form, "btnOK");
        ok->click();  // refused by the check: the dialog stays
        EXPECT_TRUE(form.isVisible());
        ok->click();
    });
    EXPECT_TRUE(confirmed.accepted);
    EXPECT_EQ(confirmed.fields.value(ff::kValue).toString(), "False");
}

TEST(BrowFormWidget, PresetParentAndCloseBoxCancels) {
    editing::browForm form;
    const QVariantMap fields{{bf::kParents, QStringList({"Default Browser", "Desktop"})},
                             {bf::kParent, "Desktop"}};
    DialogRequest request{bf::kDialogName, fields, [](const QVariantMap&) { return true; }};
    EXPECT_FALSE(runWith(form, request, [&] { form.close(); }).accepted);

    const DialogResult confirmed = runWith(form, request, [&] {
        child<QLineEdit>(form, bf::kDescription)->setText("Opera");
        child<QPushButton>(form, "OKButton")->click();
    });
    ASSERT_TRUE(confirmed.accepted);
    EXPECT_EQ(confirmed.fields.value(bf::kParent).toString(), "Desktop");
    EXPECT_EQ(confirmed.fields.value(bf::kDescription).toString(), "Opera");
}

}  // namespace
}  // namespace sentrel::test
