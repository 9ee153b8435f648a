#pragma once

#include <QDialog>

class QLabel;

namespace sentrel::lifecycle {

// The small wait window: caption "Please wait..." and one message, shown while the main
// window is disabled during a long step.
class frmStandBy : public QDialog {
    Q_OBJECT
  public:
    explicit frmStandBy(QWidget* parent = nullptr);
    void setMessage(const QString& message);
    QString message() const;
    // Escape does nothing: the window goes when the step it waits for is over.
    void reject() override {}

  protected:
    // The close box does nothing: the window goes when the step it waits for is over.
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* label_;
};

}  // namespace sentrel::lifecycle
