#include "editor/lifecycle/frmStandBy.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace sentrel::lifecycle {

frmStandBy::frmStandBy(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmStandBy"));
    setWindowTitle(QStringLiteral("Please wait..."));
    setModal(false);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblMessage"));
    label_->setWordWrap(true);
    label_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(label_);
}

void frmStandBy::setMessage(const QString& message) {
    label_->setText(message);
}

void frmStandBy::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

QString frmStandBy::message() const {
    return label_->text();
}

}  // namespace sentrel::lifecycle
