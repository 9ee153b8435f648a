#pragma once

#include <QDialog>
#include <QVariantMap>
#include <functional>

#include "shell/Interaction.h"

class QComboBox;
class QLineEdit;

namespace sentrel {
class QtInteraction;
}

namespace sentrel::editing {

// The add-browser dialog: the new browser's description, its identifying user agent and the
// parent chosen from the live browsers and folders. One instance is reused. OK runs the
// request's check; Cancel and the close box cancel.
class browForm : public QDialog {
    Q_OBJECT
  public:
    explicit browForm(QWidget* parent = nullptr);

    void setHelp(std::function<void(int topic)> showHelp) { showHelp_ = std::move(showHelp); }
    // Shows the dialog modally for a request and answers what the user confirmed.
    DialogResult run(const DialogRequest& request);

    QVariantMap fields() const;
    void load(const QVariantMap& fields);

  private:
    void build();
    void onOk();

    QLineEdit* txDescription_ = nullptr;
    QLineEdit* txUserAgent_ = nullptr;
    QComboBox* cbParent_ = nullptr;
    QVariantMap extra_;
    std::function<bool(const QVariantMap&)> accept_;
    std::function<void(int)> showHelp_;
};

// Registers the add-browser dialog with the interaction under its name; the one instance is
// created on first use as a child of the dialog's parent window.
void registerBrowForm(QtInteraction& interaction, std::function<void(int topic)> showHelp = {});

}  // namespace sentrel::editing
