#include "reporting/frmWebDirectorySelect.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "reporting/webdirs/WebDirMessages.h"
#include "reporting/webdirs/WebDirectorySelect.h"

namespace sentrel {

namespace {

void addNodes(QTreeWidgetItem* parent, const QList<webdirs::WebDirNode>& nodes) {
    for (const webdirs::WebDirNode& node : nodes) {
        auto* item = new QTreeWidgetItem(parent, QStringList{node.text});
        item->setData(0, Qt::UserRole, node.key);
        addNodes(item, node.children);
    }
}

QStringList keysOf(const QTreeWidgetItem* item) {
    QStringList keys;
    for (; item; item = item->parent()) keys.prepend(item->data(0, Qt::UserRole).toString());
    return keys;
}

}  // namespace

frmWebDirectorySelect::frmWebDirectorySelect(webdirs::WebDirectorySelect& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("WebDirectorySelect"));
    setWindowTitle(webdir_messages::caption());
    cboServers_ = new QComboBox;
    cboServers_->setObjectName(QStringLiteral("cboServers"));
    tvDirectories_ = new QTreeWidget;
    tvDirectories_->setObjectName(QStringLiteral("tvDirectories"));
    tvDirectories_->setHeaderHidden(true);
    statusBar_ = new QStatusBar;
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    auto* lblServer = new QLabel(QStringLiteral("Web Server:"));
    lblServer->setBuddy(cboServers_);
    auto* lblDirectory = new QLabel(QStringLiteral("Web Virtual Directory:"));
    lblDirectory->setBuddy(tvDirectories_);
    auto* select = new QPushButton(QStringLiteral("&Select"));
    select->setObjectName(QStringLiteral("cmdSelect"));
    select->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblServer);
    layout->addWidget(cboServers_);
    layout->addWidget(lblDirectory);
    layout->addWidget(tvDirectories_, 1);
    layout->addLayout(buttons);
    layout->addWidget(statusBar_);
    resize(440, 420);

    connect(cboServers_, &QComboBox::activated, this, [this](int index) {
        logic_.chooseSite(index);
        showTree();
    });
    connect(tvDirectories_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { onItemClicked(item); });
    connect(select, &QPushButton::clicked, this, &frmWebDirectorySelect::onSelect);
    connect(cancel, &QPushButton::clicked, this, &frmWebDirectorySelect::reject);
}

void frmWebDirectorySelect::run(webdirs::WebDirectorySelect& logic, QWidget* parent) {
    frmWebDirectorySelect dialog(logic, parent);
    dialog.load();
    dialog.exec();
}

void frmWebDirectorySelect::load() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    logic_.load();
    QApplication::restoreOverrideCursor();
    showSites();
    showTree();
}

void frmWebDirectorySelect::showSites() {
    cboServers_->clear();
    const webdirs::ComboEntries& sites = logic_.sites();
    for (int i = 0; i < sites.count(); ++i) cboServers_->addItem(sites.texts[i], sites.itemData[i]);
    cboServers_->setCurrentIndex(sites.current);
}

void frmWebDirectorySelect::showTree() {
    tvDirectories_->clear();
    for (const webdirs::WebDirNode& top : logic_.tree()) {
        auto* item = new QTreeWidgetItem(tvDirectories_, QStringList{top.text});
        item->setData(0, Qt::UserRole, top.key);
        addNodes(item, top.children);
    }
    tvDirectories_->expandAll();
    tvDirectories_->setCurrentItem(itemAt(logic_.currentNode()));
    showStatus();
}

void frmWebDirectorySelect::showStatus() {
    statusBar_->showMessage(logic_.status());
}

QTreeWidgetItem* frmWebDirectorySelect::itemAt(const QStringList& keys) const {
    QTreeWidgetItem* found = nullptr;
    for (const QString& key : keys) {
        const int count = found ? found->childCount() : tvDirectories_->topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < count && !next; ++i) {
            QTreeWidgetItem* candidate = found ? found->child(i) : tvDirectories_->topLevelItem(i);
            if (candidate->data(0, Qt::UserRole).toString() == key) next = candidate;
        }
        if (!next) return found;
        found = next;
    }
    return found;
}

void frmWebDirectorySelect::onItemClicked(QTreeWidgetItem* item) {
    logic_.clickNode(keysOf(item));
    showStatus();
}

void frmWebDirectorySelect::onSelect() {
    if (logic_.select()) accept();
}

void frmWebDirectorySelect::reject() {
    if (logic_.cancel()) QDialog::reject();
}

}  // namespace sentrel
