#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace sentrel {

namespace webdirs {
class WebDirectorySelect;
}

// The web directory selection dialog: the sites of the local Apache httpd, the chosen
// site's directories as a tree, the status line, "&Select" and "&Cancel". Every decision
// is the logic's; the window shows it. Escape and the window's close button cancel.
class frmWebDirectorySelect : public QDialog {
  public:
    frmWebDirectorySelect(webdirs::WebDirectorySelect& logic, QWidget* parent);

    // Loads the logic (busy pointer meanwhile), shows the dialog modally until it closes.
    static void run(webdirs::WebDirectorySelect& logic, QWidget* parent);

    // Loads the logic (busy pointer meanwhile) and shows what it found.
    void load();

    void reject() override;

  private:
    void showSites();
    void showTree();
    void showStatus();
    void onSelect();
    void onItemClicked(QTreeWidgetItem* item);
    QTreeWidgetItem* itemAt(const QStringList& keys) const;

    webdirs::WebDirectorySelect& logic_;
    QComboBox* cboServers_;
    QTreeWidget* tvDirectories_;
    QStatusBar* statusBar_;
};

}  // namespace sentrel
