#include "reporting/frmCacheTips.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "reporting/CacheTips.h"

namespace sentrel {

frmCacheTips::frmCacheTips(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCacheTips"));
    setWindowTitle(kCacheTipsCaption);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtNotes"));
    text_->setReadOnly(true);
    text_->setPlainText(cacheTipsLines().join(QLatin1Char('\n')));
    text_->installEventFilter(this);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    resize(720, 380);
}

bool frmCacheTips::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::FocusIn) ok_->setFocus();
    return QDialog::eventFilter(watched, event);
}

DialogResult frmCacheTips::run(const DialogRequest&, QWidget* parent) {
    frmCacheTips tips(parent);
    tips.exec();
    return DialogResult{true, {}};
}

}  // namespace sentrel
