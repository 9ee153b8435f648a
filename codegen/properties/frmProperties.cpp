#include "codegen/properties/frmProperties.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "codegen/properties/PropertyNameSource.h"

namespace sentrel::codegen {

frmProperties::frmProperties(PropertySelection& selection, QWidget* parent)
    : QDialog(parent), selection_(selection) {
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("Select properties to track for reporting"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lbProperties"));
    for (const PropertyItem& item : selection_.items()) {
        auto* entry = new QListWidgetItem(item.name, list_);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    refresh();
    connect(list_, &QListWidget::itemChanged, this, &frmProperties::itemChanged);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { selection_.setCurrentRow(row); });

    buttons_ = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons_->addWidget(ok);
    buttons_->addWidget(cancel);
    buttons_->addSpacing(16);
    addButton(QStringLiteral("C&lear All"), "cmdClearAll", &PropertySelection::clearAll);
    addButton(QStringLiteral("&Select All"), "cmdSelectAll", &PropertySelection::selectAll);
    addButton(QStringLiteral("&Recommend"), "cmdRecommend",
              &PropertySelection::recommendSelections);
    buttons_->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons_);
    resize(460, 480);
}

void frmProperties::addButton(const QString& caption, const char* name,
                              void (PropertySelection::*action)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, action] {
        (selection_.*action)();
        refresh();
    });
    buttons_->addWidget(button);
}

void frmProperties::itemChanged(QListWidgetItem* item) {
    selection_.setChecked(list_->row(item), item->checkState() == Qt::Checked);
    refresh();
}

void frmProperties::refresh() {
    const QSignalBlocker blocker(list_);
    const QList<PropertyItem>& items = selection_.items();
    for (int row = 0; row < items.size() && row < list_->count(); ++row) {
        list_->item(row)->setCheckState(items[row].checked ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(selection_.currentRow());
}

std::optional<QString> frmProperties::choose(Interaction& interaction, const QString& baseDirectory,
                                             const QString& stored, QWidget* parent) {
    PropertySelection selection(interaction);
    if (!selection.open(stored, PropertyNameSource(baseDirectory))) return std::nullopt;
    frmProperties dialog(selection, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return selection.selectionString();
}

}  // namespace sentrel::codegen
