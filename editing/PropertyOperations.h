#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace sentrel::editing {

class EditHost;
class PropertyOperationsView;

// Adding, changing, renaming and removing properties of the open document. A property is
// declared on the root type, so every type carries it; the operations differ in which
// types get which value. Each changes the document together with its merge record, or
// changes nothing, and ends with the host's markModified.
class PropertyOperations {
  public:
    PropertyOperations(EditHost& host, PropertyOperationsView& view) : host_(host), view_(view) {}

    // Adds a property through the property dialog; the selected node's branch gets the
    // entered value, every other browser the default value.
    void addProperty();
    // Changes the value of a property row for the selected type (and, when asked, for
    // the types below it).
    void changeProperty(const QString& row);
    // Renames a property; false, after a message, when it is protected or the new name breaks
    // the property dialog's name rule or is taken.
    bool renameProperty(const QString& oldName, const QString& newName);
    // Removes the selected rows' properties and the filters that set them.
    void removeProperties();

  private:
    QVariantMap addDialogFields() const;
    QVariantMap changeDialogFields(const QString& row, const QString& value) const;
    bool runPropForm(const QVariantMap& fields, QVariantMap* result);
    bool renameAllowed(const QString& oldName, const QString& newName);
    void removeProperty(const QString& name);
    void applyToSubtree(const QString& top, const QString& property, const QString& value);
    void renameFilters(const QString& oldName, const QString& newName);
    void removeFiltersOf(const QString& property);
    QStringList takenNames() const;

    EditHost& host_;
    PropertyOperationsView& view_;
    // The dialog keeps its contents between uses: the data type shown last.
    QString lastDataType_;
};

}  // namespace sentrel::editing
