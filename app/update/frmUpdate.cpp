#include "app/update/frmUpdate.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/update/UpdateOutcome.h"

namespace sentrel::update {

frmUpdate::frmUpdate(const QString& source, QWidget* parent)
    : QDialog(parent),
      step_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      report_(new QPlainTextEdit(this)),
      close_(new QPushButton(tr("&Close"), this)) {
    setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(this);
    auto* sourceLine = new QLabel(tr("Update source: %1").arg(source), this);
    sourceLine->setWordWrap(true);
    sourceLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(sourceLine);
    step_->setWordWrap(true);
    layout->addWidget(step_);
    progress_->setRange(0, 0);  // busy until sizes are known
    layout->addWidget(progress_);
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report_->setPlaceholderText(tr("The summary of the update appears here."));
    layout->addWidget(report_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(close_, QDialogButtonBox::RejectRole);
    close_->setEnabled(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 340);
}

void frmUpdate::showStep(const QString& step) {
    step_->setText(step);
    progress_->setRange(0, 0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmUpdate::showProgress(qint64 received, qint64 total) {
    if (total <= 0) return;
    progress_->setRange(0, 1000);
    progress_->setValue(static_cast<int>(received * 1000 / total));
}

void frmUpdate::showOutcome(const UpdateOutcome& outcome) {
    const bool failed = outcome.status == UpdateOutcome::Status::Failed;
    step_->setText(failed ? tr("The update failed.") : tr("The update has ended."));
    progress_->setRange(0, 1);
    progress_->setValue(failed ? 0 : 1);
    report_->setPlainText(outcome.reportText());
    close_->setEnabled(true);
    close_->setDefault(true);
    close_->setFocus();
}

QString frmUpdate::stepText() const {
    return step_->text();
}

QString frmUpdate::reportText() const {
    return report_->toPlainText();
}

}  // namespace sentrel::update
