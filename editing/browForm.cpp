#include "editing/browForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editing/BrowFormFields.h"

namespace sentrel::editing {

namespace bf = browform;

browForm::browForm(QWidget* parent) : FieldDialog(bf::kHelpTopic, parent) {
    setObjectName(bf::kDialogName);
    setWindowTitle(QStringLiteral("Add New Browser"));
    build();
}

void browForm::build() {
    auto* group = new QGroupBox(QStringLiteral("Browser Definition"), this);
    auto* form = new QFormLayout(group);
    txDescription_ = new QLineEdit(group);
    txDescription_->setObjectName(bf::kDescription);
    txUserAgent_ = new QLineEdit(group);
    txUserAgent_->setObjectName(bf::kUserAgent);
    cbParent_ = new QComboBox(group);
    cbParent_->setObjectName(bf::kParent);
    form->addRow(QStringLiteral("&Browser description:"), txDescription_);
    form->addRow(QStringLiteral("&Identifying user agent string:"), txUserAgent_);
    form->addRow(QStringLiteral("&Parent:"), cbParent_);

    QDialogButtonBox* buttons = buttonRow({QStringLiteral("OKButton"), QStringLiteral("btnCancel"),
                                           QStringLiteral("btnHelp"), QString()});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void browForm::load(const QVariantMap& fields) {
    extra_ = fields;
    if (fields.contains(bf::kCaption)) setWindowTitle(fields.value(bf::kCaption).toString());
    txDescription_->setText(fields.value(bf::kDescription).toString());
    txUserAgent_->setText(fields.value(bf::kUserAgent).toString());
    cbParent_->clear();
    cbParent_->addItems(fields.value(bf::kParents).toStringList());
    cbParent_->setCurrentIndex(cbParent_->findText(fields.value(bf::kParent).toString(),
                                                   Qt::MatchExactly | Qt::MatchCaseSensitive));
    txDescription_->setFocus();
}

QVariantMap browForm::fields() const {
    QVariantMap result = extra_;
    result.insert(bf::kDescription, txDescription_->text());
    result.insert(bf::kUserAgent, txUserAgent_->text());
    result.insert(bf::kParent, cbParent_->currentText());
    return result;
}

// Every check OK runs here is on the description, so a refusal goes back to it.
void browForm::focusFailure(const QVariantMap&) {
    txDescription_->selectAll();
    txDescription_->setFocus();
}

void registerBrowForm(QtInteraction& interaction, std::function<void(int topic)> showHelp) {
    registerFieldDialog<browForm>(interaction, bf::kDialogName, std::move(showHelp));
}

}  // namespace sentrel::editing
