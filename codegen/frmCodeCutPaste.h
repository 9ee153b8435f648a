#pragma once

#include <QDialog>
#include <QList>

#include "codegen/CodeCutPaste.h"

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace sentrel::codegen {

// The cut/paste dialog: the language options, the three texts of the page shown while the
// browser is tested, the code window and its buttons. What it does lives in CodeCutPaste; the
// window shows its state and passes the user's actions on.
class frmCodeCutPaste : public QDialog {
    Q_OBJECT
  public:
    frmCodeCutPaste(Interaction& interaction, const QString& propertiesToLog,
                    const QString& srwsLocation, ExtendedPropertyTest isExtended,
                    QWidget* parent = nullptr);

    CodeCutPaste& form() { return form_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createLanguageFrame();
    QWidget* createFields();
    QLineEdit* createField(const QString& name, const QString& text);
    QLayout* createButtons();
    void showCode();
    void readFields();

    CodeCutPaste form_;
    QList<QRadioButton*> options_;  // in the order of kCodeLanguages
    QLineEdit* title_ = nullptr;
    QLineEdit* message_ = nullptr;
    QLineEdit* colour_ = nullptr;
    QPlainTextEdit* code_ = nullptr;
};

}  // namespace sentrel::codegen
