#include "editor/views/ViewImages.h"

#include <QPainter>
#include <QPixmap>

namespace sentrel::views {

namespace {

constexpr int kSize = 16;

// A small drawn image: a rounded square in a colour with a letter, or a folder shape.
QIcon badge(const QColor& colour, const QString& letter) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker(150));
    painter.drawRoundedRect(QRectF(1.5, 1.5, kSize - 3, kSize - 3), 3, 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

QIcon folder(bool open) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = open ? QColor(240, 200, 80) : QColor(220, 170, 50);
    painter.setBrush(colour);
    painter.setPen(colour.darker(160));
    painter.drawRect(QRectF(1.5, 3.5, 6, 3));
    painter.drawRect(QRectF(1.5, 5.5, kSize - 3, kSize - 8));
    return QIcon(pixmap);
}

}  // namespace

QHash<QString, QIcon> treeImages() {
    return {{QStringLiteral("browser"), badge(QColor(40, 110, 200), QStringLiteral("B"))},
            {QStringLiteral("folder"), folder(false)},
            {QStringLiteral("foldersel"), folder(true)},
            {QStringLiteral("filter"), badge(QColor(120, 120, 120), QStringLiteral("F"))}};
}

QHash<QString, QIcon> propertyImages() {
    return {{QStringLiteral("string"), badge(QColor(60, 140, 60), QStringLiteral("S"))},
            {QStringLiteral("boolean"), badge(QColor(160, 60, 160), QStringLiteral("B"))},
            {QStringLiteral("integer"), badge(QColor(200, 100, 30), QStringLiteral("I"))},
            {QStringLiteral("single"), badge(QColor(180, 60, 60), QStringLiteral("N"))},
            {QStringLiteral("double"), badge(QColor(180, 60, 60), QStringLiteral("D"))},
            {QStringLiteral("datetime"), badge(QColor(40, 130, 160), QStringLiteral("T"))}};
}

}  // namespace sentrel::views
