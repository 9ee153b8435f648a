#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace sentrel::update {

struct UpdateOutcome;

// The download manager's window: the update source, the step under way with a progress bar,
// and at the end the summary with the customizations that could not be carried over.
// "Close" is offered once the update has ended.
class frmUpdate : public QDialog {
    Q_OBJECT

  public:
    static inline const QString kTitle = QStringLiteral("Sentrel Download Manager");

    explicit frmUpdate(const QString& source, QWidget* parent = nullptr);

    void showStep(const QString& step);
    // Bytes received of `total` (-1 while unknown).
    void showProgress(qint64 received, qint64 total);
    void showOutcome(const UpdateOutcome& outcome);

    QString stepText() const;
    QString reportText() const;
    QPushButton* closeButton() const { return close_; }

  private:
    QLabel* step_;
    QProgressBar* progress_;
    QPlainTextEdit* report_;
    QPushButton* close_;
};

}  // namespace sentrel::update
