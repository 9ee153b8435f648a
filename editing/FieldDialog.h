#pragma once

#include <QDialog>
#include <QPointer>
#include <QVariantMap>
#include <functional>
#include <memory>

#include "shell/Interaction.h"
#include "shell/QtInteraction.h"

class QDialogButtonBox;

namespace sentrel::editing {

// A modal dialog of named fields, shown for a DialogRequest. OK asks the request's check and
// keeps the dialog open, focused on the field at fault, when the check refuses; Cancel and
// the close box both cancel. Subclasses hold only their own controls and rules.
class FieldDialog : public QDialog {
    Q_OBJECT
  public:
    FieldDialog(int helpTopic, QWidget* parent);

    void setHelp(std::function<void(int topic)> showHelp) { showHelp_ = std::move(showHelp); }
    // Shows the dialog modally for a request and answers what the user confirmed.
    DialogResult run(const DialogRequest& request);

    // The fields as they stand, including request fields the dialog does not show.
    virtual QVariantMap fields() const = 0;
    virtual void load(const QVariantMap& fields) = 0;

  protected:
    // The object names (and, when set, the OK text) of the OK, Cancel and Help buttons.
    struct ButtonNames {
        QString ok;
        QString cancel;
        QString help;
        QString okText;  // empty: the platform's standard OK button
    };
    // The OK, Cancel and Help row, joined to the check, the cancel and the help topic.
    QDialogButtonBox* buttonRow(const ButtonNames& names);
    // Moves the focus to the field the refused fields fail on.
    virtual void focusFailure(const QVariantMap& fields) = 0;

  private:
    void onOk();
    // Widens the dialog so that the window manager's title bar shows the whole caption,
    // as far as the screen allows.
    void fitCaption();

    int helpTopic_;
    std::function<bool(const QVariantMap&)> accept_;
    std::function<void(int)> showHelp_;
};

// Registers a field dialog with the interaction under its name; the one instance is created
// on first use as a child of the dialog's parent window and reused after that, keeping its
// contents between uses.
template <typename Dialog>
void registerFieldDialog(QtInteraction& interaction, const QString& name,
                         std::function<void(int topic)> showHelp) {
    auto instance = std::make_shared<QPointer<Dialog>>();
    interaction.registerDialog(
        name, [instance, showHelp](const DialogRequest& request, QWidget* parent) -> DialogResult {
            if (!*instance) {
                *instance = new Dialog(parent);
                (*instance)->setHelp(showHelp);
            }
            return (*instance)->run(request);
        });
}

}  // namespace sentrel::editing
