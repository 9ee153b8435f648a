#include "editing/browForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/BrowFormFields.h"
#include "shell/QtInteraction.h"

namespace sentrel::editing {

namespace bf = browform;

browForm::browForm(QWidget* parent) : QDialog(parent) {
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

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("btnHelp"));
    connect(ok, &QPushButton::clicked, this, &browForm::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_) showHelp_(bf::kHelpTopic);
    });

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

void browForm::onOk() {
    if (accept_ && !accept_(fields())) {
        txDescription_->selectAll();
        txDescription_->setFocus();
        return;
    }
    accept();
}

DialogResult browForm::run(const DialogRequest& request) {
    load(request.fields);
    accept_ = request.accept;
    // Cancel and the window's close box both reject: closing the window is a cancel.
    const bool confirmed = exec() == QDialog::Accepted;
    accept_ = nullptr;
    return {confirmed, confirmed ? fields() : QVariantMap()};
}

void registerBrowForm(QtInteraction& interaction, std::function<void(int topic)> showHelp) {
    auto instance = std::make_shared<QPointer<browForm>>();
    interaction.registerDialog(
        bf::kDialogName,
        [instance, showHelp](const DialogRequest& request, QWidget* parent) -> DialogResult {
            if (!*instance) {
                *instance = new browForm(parent);
                (*instance)->setHelp(showHelp);
            }
            return (*instance)->run(request);
        });
}

}  // namespace sentrel::editing
