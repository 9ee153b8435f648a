#include "editor/lifecycle/frmMergeReport.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "shell/Interaction.h"

namespace sentrel::lifecycle {

frmMergeReport::frmMergeReport(Interaction& interaction, const QString& text, QWidget* parent)
    : QDialog(parent),
      interaction_(interaction),
      text_(new QPlainTextEdit(text, this)),
      save_(new QPushButton(QStringLiteral("&Save..."), this)),
      close_(new QPushButton(QStringLiteral("&Close"), this)) {
    setWindowTitle(QStringLiteral("Merge report"));
    setAttribute(Qt::WA_DeleteOnClose);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(640, 360);
    connect(save_, &QPushButton::clicked, this, [this] { saveReport(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

QString frmMergeReport::text() const {
    return text_->toPlainText();
}

bool frmMergeReport::saveReport() {
    FileRequest request;
    request.title = QStringLiteral("Save the merge report");
    request.fileName = QStringLiteral("merge-report.txt");
    request.filters = {QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")};
    request.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> path = interaction_.chooseSaveFile(request);
    if (!path) return false;
    QSaveFile file(*path);
    if (file.open(QIODevice::WriteOnly) && file.write(text().toUtf8()) >= 0 && file.commit())
        return true;
    interaction_.message(QStringLiteral("The report could not be saved to ") + *path +
                             QStringLiteral(":\r\n") + file.errorString(),
                         windowTitle(), MsgIcon::Critical);
    return false;
}

}  // namespace sentrel::lifecycle
