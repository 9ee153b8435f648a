#include "export/BddExport.h"

#include <QFileInfo>
#include <new>
#include <optional>

#include "document/Document.h"
#include "document/FileAccess.h"
#include "export/BddWriter.h"
#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::exporting {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kOutOfMemory = 7;

// Restores the default pointer and clears the progress text however the export ends.
class BusyScope {
  public:
    BusyScope(ExportStatus& status, bool showProgress) : status_(status), progress_(showProgress) {
        status_.setBusy(true);
    }
    ~BusyScope() {
        if (progress_) status_.setStatusText(QString());
        status_.setBusy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    ExportStatus& status_;
    bool progress_;
};

}  // namespace

BddExport::BddExport(Interaction& interaction, ExportStatus& status)
    : interaction_(interaction), status_(status) {}

void BddExport::setFilterSort(std::function<void()> sortPendingFilters) {
    sortPendingFilters_ = std::move(sortPendingFilters);
}

QString BddExport::bddPathFor(const QString& definitionFile) {
    return definitionFile.chopped(qMin<qsizetype>(3, definitionFile.size())) +
           QStringLiteral("bdd");
}

// The save chooser, opened in the folder of the definition file; a failing chooser counts as
// cancelled.
QString BddExport::chooseTarget(const doc::Document& document) {
    FileRequest request;
    request.title = kChooserTitle;
    if (!document.filePath().isEmpty())
        request.directory = QFileInfo(document.filePath()).absolutePath();
    request.filters = QStringList{kChooserFilter};
    request.defaultSuffix = QStringLiteral("bdd");
    request.overwritePrompt = true;
    try {
        return interaction_.chooseSaveFile(request).value_or(QString());
    } catch (...) {
        return QString();
    }
}

bool BddExport::ExportFile(doc::Document& document, const BddVersion& version,
                           const QString& target, bool showProgress) {
    const bool interactive = target.isEmpty();
    const QString path = interactive ? chooseTarget(document) : target;
    if (path.isEmpty()) return false;

    std::optional<AppError> failure;
    int scrambleStatus = 0;
    {
        BusyScope busy(status_, showProgress);
        try {
            if (sortPendingFilters_) sortPendingFilters_();
            if (showProgress) {
                status_.letEventsRun();
                status_.setStatusText(kProgressText);
            }
            scrambleStatus = writeTarget(document, version, path);
        } catch (const AppError& error) {
            failure = error;
        } catch (const std::bad_alloc&) {
            failure = AppError(kOutOfMemory, QStringLiteral("Out of memory"));
        }
    }
    if (failure) {
        reportFailure(*failure);
    } else if (scrambleStatus != 0) {
        reportScrambleFailure(scrambleStatus);
    } else if (interactive) {
        reportSuccess();
    }
    return !failure && scrambleStatus == 0;
}

// Builds, scrambles and writes the file. Answers the scrambler's status; when it is not 0
// the target is left untouched.
int BddExport::writeTarget(doc::Document& document, const BddVersion& version,
                           const QString& target) {
    BddWriter::requireTargetBesideSource(document, target);
    QByteArray scrambled;
    const int status = BddWriter::scramble(BddWriter(version).text(document), scrambled);
    if (status == 0) doc::file_access::writeAll(target, scrambled);
    return status;
}

void BddExport::reportFailure(const AppError& error) {
    interaction_.message(
        QStringLiteral("Error %1: %2").arg(error.number()).arg(error.description()) + kCrLf +
            QStringLiteral("Unable to export file"),
        QStringLiteral("Export failed"), MsgIcon::Exclamation);
}

void BddExport::reportScrambleFailure(int number) {
    interaction_.message(QStringLiteral("Error: %1 trying to export BDF.").arg(number),
                         QStringLiteral("Unable to export"), MsgIcon::Exclamation);
}

void BddExport::reportSuccess() {
    interaction_.message(QStringLiteral("The export has completed successfully."),
                         QStringLiteral("Export completed"), MsgIcon::Information);
}

}  // namespace sentrel::exporting
