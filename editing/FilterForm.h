#pragma once

#include <QVariantMap>
#include <functional>

#include "editing/FieldDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace sentrel::editing {

// The filter dialog: the property to set with its data type, the match condition, the value
// to set (a True/False drop-down for Boolean properties), the priority, what the condition
// is matched against and, for kinds other than the user agent, the data field. One
// instance is reused. OK runs the request's check; Cancel and the close box cancel.
class FilterForm : public FieldDialog {
    Q_OBJECT
  public:
    explicit FilterForm(QWidget* parent = nullptr);

    // The fields as they stand, the drop-down's text copied into the value first when it
    // shows.
    QVariantMap fields() const override;
    void load(const QVariantMap& fields) override;
    bool isBoolean() const;

  private:
    void build();
    void onPropertyChosen();
    void presetBooleanDropDown();
    void onKindChosen();
    void showDataField();
    void focusFailure(const QVariantMap& fields) override;

    QComboBox* cbProperty_ = nullptr;
    QLabel* lblDataType_ = nullptr;
    QLineEdit* txMatchCond_ = nullptr;
    QStackedWidget* valueStack_ = nullptr;
    QLineEdit* txValueToSet_ = nullptr;
    QComboBox* cbValueToSet_ = nullptr;
    QLineEdit* txPriority_ = nullptr;
    QComboBox* cbBasedOn_ = nullptr;
    QLabel* lblData_ = nullptr;
    QLineEdit* txData_ = nullptr;
    QVariantMap extra_;
};

// Registers the filter dialog with the interaction under its name; the one instance is
// created on first use as a child of the dialog's parent window.
void registerFilterForm(QtInteraction& interaction, std::function<void(int topic)> showHelp = {});

}  // namespace sentrel::editing
