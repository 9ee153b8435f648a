#include "editing/FieldDialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace sentrel::editing {

FieldDialog::FieldDialog(int helpTopic, QWidget* parent) : QDialog(parent), helpTopic_(helpTopic) {}

QDialogButtonBox* FieldDialog::buttonRow(const ButtonNames& names) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = names.okText.isEmpty()
                          ? buttons->addButton(QDialogButtonBox::Ok)
                          : buttons->addButton(names.okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(names.ok);
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(names.cancel);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(names.help);
    connect(ok, &QPushButton::clicked, this, &FieldDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp_) showHelp_(helpTopic_);
    });
    return buttons;
}

void FieldDialog::onOk() {
    const QVariantMap current = fields();
    if (accept_ && !accept_(current)) {
        focusFailure(current);
        return;
    }
    accept();
}

void FieldDialog::fitCaption() {
    // Window managers draw the caption in a bold face, with the window icon and up to three
    // buttons beside it: measure bold text and leave room for four buttons and the margins.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int buttons = 8 * metrics.height();
    const int wanted = metrics.horizontalAdvance(windowTitle()) + buttons;
    const QScreen* shown = screen();
    const int room = shown ? shown->availableGeometry().width() : wanted;
    setMinimumWidth(std::min(wanted, room));
}

DialogResult FieldDialog::run(const DialogRequest& request) {
    load(request.fields);
    fitCaption();
    accept_ = request.accept;
    // Cancel and the window's close box both reject: the caller sees a cancel either way.
    const bool confirmed = exec() == QDialog::Accepted;
    accept_ = nullptr;
    return {confirmed, confirmed ? fields() : QVariantMap()};
}

}  // namespace sentrel::editing
