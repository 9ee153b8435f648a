#include "shell/frmSplash.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/Product.h"

namespace sentrel {

namespace {

QLabel* centredLabel(const QString& text, int pointSizeDelta, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

frmSplash::frmSplash(Mode mode, QWidget* parent, const QStringList& libraries)
    : QDialog(parent), mode_(mode) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("About ") + product::kName);
    if (mode == Mode::Startup) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->setSpacing(10);
    if (!QApplication::windowIcon().isNull()) {
        auto* icon = new QLabel(this);
        icon->setPixmap(QApplication::windowIcon().pixmap(64));
        icon->setAlignment(Qt::AlignCenter);
        layout->addWidget(icon);
    }
    layout->addWidget(centredLabel(product::kName, 14, true, this));
    layout->addWidget(centredLabel(QStringLiteral("Browser definition editor"), 2, false, this));
    layout->addWidget(centredLabel(QStringLiteral("Version ") + product::kVersion, 0, false, this));
    if (mode == Mode::About) {
        layout->addWidget(centredLabel(QStringLiteral("Built ") + buildDate(), -1, false, this));
        layout->addWidget(
            centredLabel(QStringLiteral("Licence: ") + product::kLicence, -1, false, this));
        layout->addWidget(centredLabel(
            QStringLiteral("Libraries: ") + libraries.join(QStringLiteral(", ")), -1, false, this));
    }
    layout->addWidget(
        centredLabel(QStringLiteral("Support: ") + product::kSupportEmail, -1, false, this));
    if (mode == Mode::About) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        layout->addWidget(buttons);
    }
    setMinimumWidth(380);
}

QString frmSplash::buildDate() {
    return QStringLiteral(SENTREL_BUILD_DATE);
}

void frmSplash::showAbout(QWidget* parent, const QStringList& libraries) {
    frmSplash about(Mode::About, parent, libraries);
    about.exec();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    if (mode_ == Mode::About) accept();
    QDialog::mousePressEvent(event);
}

}  // namespace sentrel
