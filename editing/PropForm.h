#pragma once

#include <QVariantMap>
#include <functional>

#include "editing/FieldDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace sentrel::editing {

// The property dialog: name, data type, the value for the selected browser and the default
// value for all others, with True/False drop-downs for Boolean properties, and the box that
// applies a changed value to the child browsers. One instance is reused; it keeps its
// contents between uses. OK runs the request's check; Cancel and the close box cancel.
class PropForm : public FieldDialog {
    Q_OBJECT
  public:
    explicit PropForm(QWidget* parent = nullptr);

    // The fields as they stand, the drop-downs' texts copied into the value fields first.
    QVariantMap fields() const override;
    void load(const QVariantMap& fields) override;
    bool isBoolean() const;

    static constexpr int kHelpTopic = 1150;

  private:
    void build();
    void onDataTypeChosen();
    void onValueEdited(const QString& text);
    void focusFirstField();
    void focusFailure(const QVariantMap& fields) override;

    QLineEdit* txPropName_ = nullptr;
    QComboBox* comboDataType_ = nullptr;
    QStackedWidget* valueStack_ = nullptr;
    QLineEdit* txInitialValue_ = nullptr;
    QComboBox* cbValue_ = nullptr;
    QLabel* defaultLabel_ = nullptr;
    QStackedWidget* defaultStack_ = nullptr;
    QLineEdit* txDefaultValue_ = nullptr;
    QComboBox* cbDefaultValue_ = nullptr;
    QCheckBox* chkApply_ = nullptr;
    bool showingBoolean_ = false;
    QVariantMap extra_;  // request fields the dialog does not show (names already taken)
};

// Registers the property dialog with the interaction under its name; the one instance is
// created on first use as a child of the dialog's parent window.
void registerPropForm(QtInteraction& interaction, std::function<void(int topic)> showHelp = {});

}  // namespace sentrel::editing
