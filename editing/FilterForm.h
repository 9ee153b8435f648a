#pragma once

#include <QDialog>
#include <QVariantMap>
#include <functional>

#include "shell/Interaction.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace sentrel {
class QtInteraction;
}

namespace sentrel::editing {

// The filter dialog: the property to set with its data type, the match condition, the value
// to set (a True/False drop-down for Boolean properties), the priority, what the condition
// is matched against and, for kinds other than the user agent, the data field. One
// instance is reused. OK runs the request's check; Cancel and the close box cancel.
class FilterForm : public QDialog {
    Q_OBJECT
  public:
    explicit FilterForm(QWidget* parent = nullptr);

    void setHelp(std::function<void(int topic)> showHelp) { showHelp_ = std::move(showHelp); }
    // Shows the dialog modally for a request and answers what the user confirmed.
    DialogResult run(const DialogRequest& request);

    // The fields as they stand, the drop-down's text copied into the value first when it
    // shows.
    QVariantMap fields() const;
    void load(const QVariantMap& fields);
    bool isBoolean() const;

  private:
    void build();
    void onPropertyChosen();
    void onKindChosen();
    void showDataField();
    void onOk();

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
    std::function<bool(const QVariantMap&)> accept_;
    std::function<void(int)> showHelp_;
};

// Registers the filter dialog with the interaction under its name; the one instance is
// created on first use as a child of the dialog's parent window.
void registerFilterForm(QtInteraction& interaction, std::function<void(int topic)> showHelp = {});

}  // namespace sentrel::editing
