#include "editing/FilterForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "document/Vocabulary.h"
#include "editing/FilterFormCheck.h"
#include "editing/FilterFormFields.h"

namespace sentrel::editing {

namespace ff = filterform;

namespace {

// The kinds in the order the dialog offers them.
QStringList basedOnItems() {
    const auto& kinds = mainMod::filterKinds();
    return {kinds[0].displayName, kinds[2].displayName, kinds[1].displayName, kinds[3].displayName};
}

bool isUserAgentKind(const QString& displayName) {
    return mainMod::filterKindFromDisplay(displayName) == 0;
}

}  // namespace

FilterForm::FilterForm(QWidget* parent) : FieldDialog(ff::kHelpTopic, parent) {
    setObjectName(ff::kDialogName);
    build();
}

void FilterForm::build() {
    auto* group = new QGroupBox(QStringLiteral("Filter definition"), this);
    auto* form = new QFormLayout(group);
    cbProperty_ = new QComboBox(group);
    cbProperty_->setObjectName(ff::kProperty);
    lblDataType_ = new QLabel(group);
    lblDataType_->setObjectName(QStringLiteral("lblDataType"));
    auto* propertyRow = new QHBoxLayout;
    propertyRow->addWidget(cbProperty_, 1);
    propertyRow->addWidget(lblDataType_);
    txMatchCond_ = new QLineEdit(group);
    txMatchCond_->setObjectName(ff::kMatchCondition);
    txValueToSet_ = new QLineEdit(group);
    txValueToSet_->setObjectName(ff::kValue);
    cbValueToSet_ = new QComboBox(group);
    cbValueToSet_->setObjectName(QStringLiteral("cbValueToSet"));
    cbValueToSet_->addItems({ff::kTrue, ff::kFalse});
    valueStack_ = new QStackedWidget(group);
    valueStack_->addWidget(txValueToSet_);
    valueStack_->addWidget(cbValueToSet_);
    // Height left over when the data field hides goes to the layout, not to this row.
    valueStack_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    txPriority_ = new QLineEdit(group);
    txPriority_->setObjectName(ff::kPriority);
    cbBasedOn_ = new QComboBox(group);
    cbBasedOn_->setObjectName(ff::kBasedOn);
    cbBasedOn_->addItems(basedOnItems());
    txData_ = new QLineEdit(group);
    txData_->setObjectName(ff::kData);
    lblData_ = new QLabel(QStringLiteral("Data field:"), group);
    lblData_->setObjectName(QStringLiteral("lblData"));
    lblData_->setBuddy(txData_);
    // The property row holds two widgets, so its label names the drop-down itself.
    auto* propertyLabel = new QLabel(QStringLiteral("&Property:"), group);
    propertyLabel->setBuddy(cbProperty_);
    form->addRow(propertyLabel, propertyRow);
    form->addRow(QStringLiteral("&Match cond:"), txMatchCond_);
    form->addRow(QStringLiteral("&Value to set:"), valueStack_);
    form->addRow(QStringLiteral("&Priority:"), txPriority_);
    form->addRow(QStringLiteral("Based on:"), cbBasedOn_);
    form->addRow(lblData_, txData_);

    QDialogButtonBox* buttons = buttonRow({QStringLiteral("btnOK"), QStringLiteral("btnCancel"),
                                           QStringLiteral("btnHelp"), QStringLiteral("&OK")});
    connect(cbProperty_, &QComboBox::currentTextChanged, this, &FilterForm::onPropertyChosen);
    connect(cbBasedOn_, &QComboBox::currentTextChanged, this, &FilterForm::onKindChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

bool FilterForm::isBoolean() const {
    return lblDataType_->text() == ff::kBooleanLabel;
}

void FilterForm::load(const QVariantMap& fields) {
    extra_ = fields;
    setWindowTitle(fields.value(ff::kCaption).toString());
    txMatchCond_->setText(fields.value(ff::kMatchCondition).toString());
    txValueToSet_->setText(fields.value(ff::kValue).toString());
    txPriority_->setText(fields.value(ff::kPriority).toString());
    txData_->setText(fields.value(ff::kData).toString());
    {
        const QSignalBlocker quiet(cbBasedOn_);
        cbBasedOn_->setCurrentIndex(
            std::max(0, cbBasedOn_->findText(fields.value(ff::kBasedOn).toString())));
    }
    showDataField();
    {
        const QSignalBlocker quiet(cbProperty_);
        cbProperty_->clear();
        cbProperty_->addItems(fields.value(ff::kProperties).toStringList());
        // Stored filters may name their property in another letter case.
        cbProperty_->setCurrentIndex(
            cbProperty_->findText(fields.value(ff::kProperty).toString(), Qt::MatchFixedString));
    }
    onPropertyChosen();
    cbProperty_->setFocus();
}

QVariantMap FilterForm::fields() const {
    QVariantMap result = extra_;
    result.insert(ff::kProperty, cbProperty_->currentText());
    result.insert(ff::kMatchCondition, txMatchCond_->text());
    result.insert(ff::kValue, isBoolean() ? cbValueToSet_->currentText() : txValueToSet_->text());
    result.insert(ff::kPriority, txPriority_->text());
    result.insert(ff::kBasedOn, cbBasedOn_->currentText());
    result.insert(ff::kData, txData_->text());
    return result;
}

void FilterForm::onPropertyChosen() {
    lblDataType_->setText(FilterFormCheck::typeLabel(extra_, cbProperty_->currentText()));
    const bool boolean = isBoolean();
    if (boolean) presetBooleanDropDown();
    valueStack_->setCurrentIndex(boolean ? 1 : 0);
}

void FilterForm::presetBooleanDropDown() {
    const QString value = txValueToSet_->text();
    // "*" sets the property whatever its type; a filter that has it keeps it selectable, so
    // that changing only its priority leaves the value alone.
    const bool anyValue = value == ff::kAnyValue;
    const int anyIndex = cbValueToSet_->findText(ff::kAnyValue);
    if (anyValue && anyIndex < 0) cbValueToSet_->addItem(ff::kAnyValue);
    if (!anyValue && anyIndex >= 0) cbValueToSet_->removeItem(anyIndex);
    const bool isFalse = value.compare(ff::kFalse, Qt::CaseInsensitive) == 0;
    cbValueToSet_->setCurrentText(anyValue ? ff::kAnyValue : isFalse ? ff::kFalse : ff::kTrue);
}

void FilterForm::onKindChosen() {
    if (!isUserAgentKind(cbBasedOn_->currentText())) txData_->clear();
    showDataField();
}

void FilterForm::showDataField() {
    const bool visible = !isUserAgentKind(cbBasedOn_->currentText());
    if (txData_->isHidden() != visible) return;
    lblData_->setVisible(visible);
    txData_->setVisible(visible);
    // The dialog takes the height of its rows: it shrinks when the data field hides and
    // grows again when it shows.
    layout()->activate();
    resize(width(), sizeHint().height());
}

void FilterForm::focusFailure(const QVariantMap& fields) {
    switch (FilterFormCheck::firstFailure(fields)) {
        case FilterFormCheck::Failure::Value:
            valueStack_->currentWidget()->setFocus();
            break;
        case FilterFormCheck::Failure::None:  // the exact-match question was answered No
            txMatchCond_->setFocus();
            break;
        case FilterFormCheck::Failure::Input:
            break;
    }
}

void registerFilterForm(QtInteraction& interaction, std::function<void(int topic)> showHelp) {
    registerFieldDialog<FilterForm>(interaction, ff::kDialogName, std::move(showHelp));
}

}  // namespace sentrel::editing
