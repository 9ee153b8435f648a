#include "editing/PropForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "document/Vocabulary.h"
#include "editing/PropFormCheck.h"
#include "editing/PropFormFields.h"

namespace sentrel::editing {

namespace pf = propform;

namespace {

QComboBox* booleanDropDown(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems({pf::kTrue, pf::kFalse});
    return box;
}

bool isBooleanWord(const QString& text) {
    return text.compare(pf::kTrue, Qt::CaseInsensitive) == 0 ||
           text.compare(pf::kFalse, Qt::CaseInsensitive) == 0;
}

// The drop-down reads "False" for a field reading false (any case), else "True".
void presetDropDown(QComboBox* box, const QString& fieldText) {
    box->setCurrentText(fieldText.compare(pf::kFalse, Qt::CaseInsensitive) == 0 ? pf::kFalse
                                                                                : pf::kTrue);
}

}  // namespace

PropForm::PropForm(QWidget* parent) : FieldDialog(kHelpTopic, parent) {
    setObjectName(pf::kDialogName);
    build();
}

void PropForm::build() {
    auto* group = new QGroupBox(QStringLiteral("Property definition"), this);
    auto* form = new QFormLayout(group);
    txPropName_ = new QLineEdit(group);
    txPropName_->setObjectName(pf::kName);
    comboDataType_ = new QComboBox(group);
    comboDataType_->setObjectName(pf::kDataType);
    comboDataType_->addItems(mainMod::dataTypeDisplayNames());
    txInitialValue_ = new QLineEdit(group);
    txInitialValue_->setObjectName(pf::kValue);
    cbValue_ = booleanDropDown(group);
    cbValue_->setObjectName(QStringLiteral("cbValue"));
    valueStack_ = new QStackedWidget(group);
    valueStack_->addWidget(txInitialValue_);
    valueStack_->addWidget(cbValue_);
    txDefaultValue_ = new QLineEdit(group);
    txDefaultValue_->setObjectName(pf::kDefaultValue);
    cbDefaultValue_ = booleanDropDown(group);
    cbDefaultValue_->setObjectName(QStringLiteral("cbDefaultValue"));
    defaultStack_ = new QStackedWidget(group);
    defaultStack_->addWidget(txDefaultValue_);
    defaultStack_->addWidget(cbDefaultValue_);
    defaultLabel_ = new QLabel(QStringLiteral("&Default value:"), group);
    defaultLabel_->setBuddy(txDefaultValue_);
    // The value fields keep one line's height however tall the dialog grows.
    for (QStackedWidget* stack : {valueStack_, defaultStack_})
        stack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    form->addRow(QStringLiteral("&Property:"), txPropName_);
    form->addRow(QStringLiteral("Data &type:"), comboDataType_);
    form->addRow(QStringLiteral("&Value:"), valueStack_);
    form->addRow(defaultLabel_, defaultStack_);
    chkApply_ =
        new QCheckBox(QStringLiteral("&Apply new \"Value\" setting to child browsers"), this);
    chkApply_->setObjectName(pf::kApply);

    QDialogButtonBox* buttons =
        buttonRow({QStringLiteral("OKButton"), QStringLiteral("CancelButton"),
                   QStringLiteral("HelpButton"), QString()});
    connect(comboDataType_, &QComboBox::currentTextChanged, this, &PropForm::onDataTypeChosen);
    connect(txInitialValue_, &QLineEdit::textEdited, this, &PropForm::onValueEdited);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(chkApply_);
    layout->addWidget(buttons);
}

bool PropForm::isBoolean() const {
    return comboDataType_->currentText() == pf::kBooleanType;
}

void PropForm::load(const QVariantMap& fields) {
    extra_ = fields;
    setWindowTitle(fields.value(pf::kCaption).toString());
    txPropName_->setText(fields.value(pf::kName).toString());
    txPropName_->setEnabled(fields.value(pf::kNameEnabled, true).toBool());
    txInitialValue_->setText(fields.value(pf::kValue).toString());
    txInitialValue_->setEnabled(fields.value(pf::kValueEnabled, true).toBool());
    cbValue_->setEnabled(txInitialValue_->isEnabled());
    txDefaultValue_->setText(fields.value(pf::kDefaultValue).toString());
    txDefaultValue_->setEnabled(fields.value(pf::kDefaultEnabled, true).toBool());
    cbDefaultValue_->setEnabled(txDefaultValue_->isEnabled());
    const bool defaultVisible = fields.value(pf::kDefaultVisible, true).toBool();
    defaultLabel_->setVisible(defaultVisible);
    defaultStack_->setVisible(defaultVisible);
    chkApply_->setChecked(fields.value(pf::kApply).toBool());
    chkApply_->setEnabled(fields.value(pf::kApplyEnabled).toBool());
    {
        const QSignalBlocker quiet(comboDataType_);
        comboDataType_->setCurrentText(fields.value(pf::kDataType).toString());
    }
    comboDataType_->setEnabled(fields.value(pf::kDataTypeEnabled, true).toBool());
    showingBoolean_ = false;
    onDataTypeChosen();
}

QVariantMap PropForm::fields() const {
    QVariantMap result = extra_;
    const bool boolean = isBoolean();
    result.insert(pf::kName, txPropName_->text());
    result.insert(pf::kDataType, comboDataType_->currentText());
    result.insert(pf::kValue, boolean ? cbValue_->currentText() : txInitialValue_->text());
    result.insert(pf::kDefaultValue, boolean && defaultStack_->isVisibleTo(this)
                                         ? cbDefaultValue_->currentText()
                                         : txDefaultValue_->text());
    result.insert(pf::kApply, chkApply_->isChecked());
    return result;
}

void PropForm::onDataTypeChosen() {
    const bool boolean = isBoolean();
    if (boolean && !showingBoolean_) {
        presetDropDown(cbValue_, txInitialValue_->text());
        presetDropDown(cbDefaultValue_, txDefaultValue_->text());
    } else if (!boolean && showingBoolean_) {
        for (QLineEdit* field : {txInitialValue_, txDefaultValue_}) {
            if (isBooleanWord(field->text())) field->clear();
        }
    }
    showingBoolean_ = boolean;
    valueStack_->setCurrentIndex(boolean ? 1 : 0);
    defaultStack_->setCurrentIndex(boolean ? 1 : 0);
    focusFirstField();
}

void PropForm::onValueEdited(const QString& text) {
    // Only a new property's type follows the value: the type of an existing one is fixed.
    if (comboDataType_->isEnabled() && isBooleanWord(text)) {
        comboDataType_->setCurrentText(pf::kBooleanType);
    }
}

void PropForm::focusFirstField() {
    if (txPropName_->isEnabled() && txPropName_->text().isEmpty()) {
        txPropName_->setFocus();
    } else {
        valueStack_->currentWidget()->setFocus();
        txInitialValue_->selectAll();
    }
}

void PropForm::focusFailure(const QVariantMap& fields) {
    switch (PropFormCheck::firstFailure(fields)) {
        case PropFormCheck::Failure::Name:
            txPropName_->selectAll();
            txPropName_->setFocus();
            break;
        case PropFormCheck::Failure::Value:
            valueStack_->currentWidget()->setFocus();
            break;
        case PropFormCheck::Failure::DefaultValue:
            defaultStack_->currentWidget()->setFocus();
            break;
        case PropFormCheck::Failure::None:
            break;
    }
}

void registerPropForm(QtInteraction& interaction, std::function<void(int topic)> showHelp) {
    registerFieldDialog<PropForm>(interaction, pf::kDialogName, std::move(showHelp));
}

}  // namespace sentrel::editing
