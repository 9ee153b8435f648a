#pragma once

#include <QVariantMap>
#include <functional>

#include "editing/FieldDialog.h"

class QComboBox;
class QLineEdit;

namespace sentrel::editing {

// The add-browser dialog: the new browser's description, its identifying user agent and the
// parent chosen from the live browsers and folders. One instance is reused. OK runs the
// request's check; Cancel and the close box cancel.
class browForm : public FieldDialog {
    Q_OBJECT
  public:
    explicit browForm(QWidget* parent = nullptr);

    QVariantMap fields() const override;
    void load(const QVariantMap& fields) override;

  private:
    void build();
    void focusFailure(const QVariantMap& fields) override;

    QLineEdit* txDescription_ = nullptr;
    QLineEdit* txUserAgent_ = nullptr;
    QComboBox* cbParent_ = nullptr;
    QVariantMap extra_;
};

// Registers the add-browser dialog with the interaction under its name; the one instance is
// created on first use as a child of the dialog's parent window.
void registerBrowForm(QtInteraction& interaction, std::function<void(int topic)> showHelp = {});

}  // namespace sentrel::editing
