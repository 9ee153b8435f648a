#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace sentrel {
class Interaction;
}

namespace sentrel::lifecycle {

// The report of a merge: its text read-only, with "Save..." (writes the text to a file the
// user chooses, whole or not at all) and "Close". Not modal: the user may go on editing.
class frmMergeReport : public QDialog {
    Q_OBJECT

  public:
    frmMergeReport(Interaction& interaction, const QString& text, QWidget* parent = nullptr);

    QString text() const;
    QPushButton* saveButton() const { return save_; }
    QPushButton* closeButton() const { return close_; }

    // Asks for a file and writes the report to it; false when cancelled or not written.
    bool saveReport();

  private:
    Interaction& interaction_;
    QPlainTextEdit* text_;
    QPushButton* save_;
    QPushButton* close_;
};

}  // namespace sentrel::lifecycle
