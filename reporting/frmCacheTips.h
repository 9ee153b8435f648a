#pragma once

#include <QDialog>

#include "shell/Interaction.h"

class QPlainTextEdit;
class QPushButton;

namespace sentrel {

// The notes on the detection component's cache: a read-only text and "&OK". The text never
// keeps the focus, so Enter or Space always closes the window.
class frmCacheTips : public QDialog {
    Q_OBJECT
  public:
    explicit frmCacheTips(QWidget* parent = nullptr);

    // Shows the notes modally; the runner of the "frmCacheTips" dialog of the interaction.
    static DialogResult run(const DialogRequest& request, QWidget* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* text_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace sentrel
