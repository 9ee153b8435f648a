#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "country/CountryObj.h"
#include "shell/Interaction.h"

namespace sentrel::codegen {

// One entry of the property list: a checked entry is a property to log.
struct PropertyItem {
    QString name;
    bool checked = false;

    bool operator==(const PropertyItem&) const = default;
};

// The choice of the properties to log, without widgets: the list and its checks, the current
// entry, the questions that go with checking some properties, the buttons' actions, and the
// comma-joined selection the reporting options store. The dialog shows `items()` and
// `currentRow()` after every call.
class PropertySelection {
  public:
    using NameSource = std::function<QStringList()>;

    explicit PropertySelection(Interaction& interaction,
                               std::string countryDatabase = country::CountryObj::kDefaultDatabase);

    // Fills the list from `names` and checks the stored selection (names in any case); an
    // empty selection asks for a recommendation at once. No question of a check is asked
    // meanwhile. False when an error stopped the opening: it was reported, and the dialog
    // closes without a change.
    bool open(const QString& stored, const NameSource& names);

    const QList<PropertyItem>& items() const { return items_; }
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }

    // The user checks or unchecks an entry: checking "Referrer", "Country" or a Java-based
    // property asks first, and a No leaves it unchecked.
    void setChecked(int row, bool checked);

    // "C&lear All".
    void clearAll();
    // "&Select All": asks, checks every entry, then asks about the Java-based properties.
    void selectAll();
    // "&Recommend": replaces the checks by the popular or the comprehensive set.
    void recommendSelections();
    // Asks whether the Java-based properties are wanted, and unchecks them if not.
    void ClearJavaBasedPropertiesIfRequested();

    // The checked names in list order, joined with ",".
    QString selectionString() const;

  private:
    void fill(const QString& stored, const NameSource& names);
    // Checks the entries whose lower-case name is in `lowerNames`, unchecks the others.
    void checkExactly(const QStringList& lowerNames);
    // Whether a newly checked entry stays checked after its question.
    bool confirmCheck(const QString& name);
    bool isJavaBased(const QString& name) const;
    void makeFirstCurrent();

    Interaction& interaction_;
    std::string countryDatabase_;
    QList<PropertyItem> items_;
    int currentRow_ = -1;
    // Set while the list is filled and pre-checked: checks ask nothing.
    bool loading_ = false;
    // Set while "&Select All" runs: one Java question follows at the end instead.
    bool selectingAll_ = false;
};

}  // namespace sentrel::codegen
