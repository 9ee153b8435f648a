#pragma once

#include <QDialog>
#include <optional>

#include "codegen/properties/PropertySelection.h"

class QListWidget;
class QListWidgetItem;
class QVBoxLayout;

namespace sentrel::codegen {

// "Select properties to track for reporting": the property list with a check box per name
// and the buttons of the choice, shown over a PropertySelection that does the work.
class frmProperties : public QDialog {
    Q_OBJECT
  public:
    frmProperties(PropertySelection& selection, QWidget* parent = nullptr);

    // Opens the dialog modally over the stored selection, with the names of the installed
    // definitions under `baseDirectory`. The new selection on OK; nothing on Cancel or when
    // the dialog could not open (the user was told why).
    static std::optional<QString> choose(Interaction& interaction, const QString& baseDirectory,
                                         const QString& stored, QWidget* parent);

    QListWidget* list() const { return list_; }

  private:
    void addButton(const QString& caption, const char* name, void (PropertySelection::*action)());
    void itemChanged(QListWidgetItem* item);
    // Shows the selection's checks and current entry.
    void refresh();

    PropertySelection& selection_;
    QListWidget* list_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
};

}  // namespace sentrel::codegen
