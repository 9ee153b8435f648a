#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "QtPrinters.h"
#include "editing/PropForm.h"
#include "editing/PropFormFields.h"

using namespace sentrel;
namespace pf = sentrel::editing::propform;

namespace {

QVariantMap addFields() {
    return {{pf::kCaption, "Add New Property"}, {pf::kName, ""},       {pf::kNameEnabled, true},
            {pf::kDataType, "String"},          {pf::kValue, "false"}, {pf::kDefaultValue, "x"},
            {pf::kApplyEnabled, false}};
}

// Runs the dialog for a request and, once it shows, does `step` on it.
DialogResult runWith(editing::PropForm& form, const DialogRequest& request,
                     std::function<void(editing::PropForm&)> step) {
    QTimer::singleShot(0, &form, [&form, step] { step(form); });
    return form.run(request);
}

template <typename T>
T* child(editing::PropForm& form, const QString& name) {
    return form.findChild<T*>(name);
}

}  // namespace

TEST(PropForm, BooleanDropDownsFollowTheDataType) {
    editing::PropForm form;
    form.load(addFields());
    auto* type = child<QComboBox>(form, pf::kDataType);
    type->setCurrentText("Boolean");
    EXPECT_EQ(form.fields().value(pf::kValue), "False") << "the field read false";
    EXPECT_EQ(form.fields().value(pf::kDefaultValue), "True");
    type->setCurrentText("Integer");
    EXPECT_EQ(form.fields().value(pf::kValue), "") << "a true/false text is cleared";
    EXPECT_EQ(form.fields().value(pf::kDefaultValue), "x");

    QTest::keyClicks(child<QLineEdit>(form, pf::kValue), "TRUE");
    EXPECT_EQ(type->currentText(), "Boolean");
    EXPECT_EQ(form.fields().value(pf::kValue), "True");
}

TEST(PropForm, OkRunsTheCheckAndTheCloseBoxCancels) {
    editing::PropForm form;
    int checks = 0;
    DialogRequest request{pf::kDialogName, addFields(), [&checks](const QVariantMap& fields) {
                              ++checks;
                              return fields.value(pf::kName) == "Speed";
                          }};
    const DialogResult confirmed = runWith(form, request, [](editing::PropForm& shown) {
        auto* ok = child<QPushButton>(shown, "OKButton");
        ok->click();  // refused: the dialog stays
        EXPECT_TRUE(shown.isVisible());
        child<QLineEdit>(shown, pf::kName)->setText("Speed");
        ok->click();
    });
    EXPECT_TRUE(confirmed.accepted);
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(confirmed.fields.value(pf::kName), "Speed");
    EXPECT_EQ(confirmed.fields.value(pf::kValue), "false");

    const DialogResult closed =
        runWith(form, request, [](editing::PropForm& shown) { shown.close(); });
    EXPECT_FALSE(closed.accepted);
    EXPECT_EQ(checks, 2);
}

TEST(PropForm, AnExistingPropertysTypeDoesNotFollowTheValue) {
    editing::PropForm form;
    form.load({{pf::kCaption, "Change property from: (7)"},
               {pf::kName, "CSSVersion"},
               {pf::kNameEnabled, false},
               {pf::kDataType, "Integer"},
               {pf::kDataTypeEnabled, false},
               {pf::kValue, ""},
               {pf::kDefaultEnabled, false}});
    QTest::keyClicks(child<QLineEdit>(form, pf::kValue), "true");
    EXPECT_EQ(child<QComboBox>(form, pf::kDataType)->currentText(), "Integer");
    EXPECT_EQ(form.fields().value(pf::kValue), "true");
}

// The caption fits the dialog's width (never wider than the screen), the value field keeps
// one line's height in a taller dialog, and Escape cancels.
TEST(PropForm, CaptionFitsValueStaysOneLineAndEscapeCancels) {
    editing::PropForm form;
    QVariantMap fields = addFields();
    fields.insert(pf::kCaption, "Change property from: (Unknown)");
    const DialogResult escaped = runWith(form, {pf::kDialogName, fields, {}}, [](auto& shown) {
        const int caption = shown.fontMetrics().horizontalAdvance(shown.windowTitle());
        EXPECT_GT(shown.width(), caption);
        shown.resize(shown.width(), shown.height() + 300);
        QApplication::processEvents();
        QLineEdit* value = child<QLineEdit>(shown, pf::kValue);
        EXPECT_EQ(value->height(), value->sizeHint().height());
        QTest::keyClick(value, Qt::Key_Escape);
    });
    EXPECT_FALSE(escaped.accepted);

    fields.insert(pf::kCaption, QString(2000, QChar('W')));
    runWith(form, {pf::kDialogName, fields, {}}, [](auto& shown) {
        EXPECT_LE(shown.minimumWidth(), shown.screen()->availableGeometry().width());
        shown.reject();
    });
}
