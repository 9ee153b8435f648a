#include "codegen/properties/PropertySelection.h"

#include <exception>

#include "codegen/properties/CountryTrackingCheck.h"
#include "codegen/properties/PropertiesMessages.h"
#include "codegen/properties/PropertyRecommendations.h"
#include "shell/AppError.h"

namespace sentrel::codegen {

namespace messages = properties_messages;

namespace {

QStringList lowerCase(const QStringList& names) {
    QStringList lower;
    for (const QString& name : names) lower << name.toLower();
    return lower;
}

// The classic run-time number of an error without a number of its own.
constexpr int kInternalError = 51;

// A flag set for the lifetime of a scope.
class Mark {
  public:
    explicit Mark(bool& flag) : flag_(flag) { flag_ = true; }
    ~Mark() { flag_ = false; }

  private:
    bool& flag_;
};

}  // namespace

PropertySelection::PropertySelection(Interaction& interaction, std::string countryDatabase)
    : interaction_(interaction), countryDatabase_(std::move(countryDatabase)) {}

bool PropertySelection::open(const QString& stored, const NameSource& names) {
    try {
        fill(stored, names);
        return true;
    } catch (const AppError& error) {
        interaction_.message(messages::errorOccurred(error.number(), error.description()));
    } catch (const std::exception& error) {
        interaction_.message(
            messages::errorOccurred(kInternalError, QString::fromLocal8Bit(error.what())));
    }
    items_.clear();
    return false;
}

void PropertySelection::fill(const QString& stored, const NameSource& names) {
    const Mark loading(loading_);
    items_.clear();
    for (const QString& name : names()) items_.append(PropertyItem{name});
    if (stored.isEmpty()) {
        recommendSelections();
    } else {
        checkExactly(stored.toLower().split(QLatin1Char(',')));
    }
    makeFirstCurrent();
}

void PropertySelection::setChecked(int row, bool checked) {
    if (row < 0 || row >= items_.size() || items_[row].checked == checked) return;
    items_[row].checked = checked;
    if (checked && !loading_) items_[row].checked = confirmCheck(items_[row].name);
}

bool PropertySelection::confirmCheck(const QString& name) {
    if (name == QLatin1String("Referrer") &&
        interaction_.message(messages::referrerTracking()) == MsgAnswer::No) {
        return false;
    }
    if (isJavaBased(name) && !selectingAll_ &&
        interaction_.message(messages::javaPropertyChecked()) == MsgAnswer::No) {
        return false;
    }
    if (name == QLatin1String("Country"))
        return confirmCountryTracking(interaction_, countryDatabase_);
    return true;
}

bool PropertySelection::isJavaBased(const QString& name) const {
    return PropertyRecommendations::javaBased().contains(name);
}

void PropertySelection::checkExactly(const QStringList& lowerNames) {
    for (int row = 0; row < items_.size(); ++row) {
        setChecked(row, lowerNames.contains(items_[row].name.toLower()));
    }
}

void PropertySelection::makeFirstCurrent() {
    currentRow_ = items_.isEmpty() ? -1 : 0;
}

void PropertySelection::clearAll() {
    for (PropertyItem& item : items_) item.checked = false;
    makeFirstCurrent();
}

void PropertySelection::selectAll() {
    const Mark selectingAll(selectingAll_);
    if (interaction_.message(messages::storageIntensive()) == MsgAnswer::Yes) {
        for (int row = 0; row < items_.size(); ++row) setChecked(row, true);
        makeFirstCurrent();
    }
    ClearJavaBasedPropertiesIfRequested();
}

void PropertySelection::recommendSelections() {
    const MsgAnswer answer = interaction_.message(messages::propertyRecommendation());
    if (answer == MsgAnswer::Cancel) return;
    checkExactly(lowerCase(answer == MsgAnswer::Yes ? PropertyRecommendations::comprehensive()
                                                    : PropertyRecommendations::popular()));
    makeFirstCurrent();
}

void PropertySelection::ClearJavaBasedPropertiesIfRequested() {
    if (interaction_.message(messages::keepJavaProperties()) != MsgAnswer::No) return;
    for (PropertyItem& item : items_) {
        if (isJavaBased(item.name)) item.checked = false;
    }
}

QString PropertySelection::selectionString() const {
    QStringList chosen;
    for (const PropertyItem& item : items_) {
        if (item.checked) chosen << item.name;
    }
    return chosen.join(QLatin1Char(','));
}

}  // namespace sentrel::codegen
