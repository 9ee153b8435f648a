#include "editor/lifecycle/EditHistory.h"

#include "document/DocumentReader.h"
#include "editor/lifecycle/OpenFileState.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

namespace {

// Enough steps for a long session; the oldest go first.
constexpr int kUndoLimit = 500;
const QString kInternals = QStringLiteral("Internals");

}  // namespace

EditHistory::EditHistory(OpenFileState& state) : state_(state) {
    stack_.setUndoLimit(kUndoLimit);
    QObject::connect(&stack_, &QUndoStack::indexChanged, &stack_,
                     [this](int index) { settle(index); });
}

void EditHistory::settle(int index) {
    if (!failure_) {
        documentIndex_ = index;
        return;
    }
    const AppError error = *failure_;
    failure_.reset();
    settling_ = true;
    stack_.setIndex(documentIndex_);
    settling_ = false;
    if (failed_) failed_(error);
}

EditState EditHistory::current() const {
    return {qCompress(state_.document()->snapshot()), state_.filtersUnsorted};
}

std::pair<int, int> EditHistory::version() const {
    doc::Document& document = *state_.document();
    if (!document.hasType(kInternals)) return {};
    return {doc::internals::BDFMajorVer(document), doc::internals::BDFMinorver(document)};
}

void EditHistory::begin(const QString& text) {
    if (depth_++ > 0) return;
    text_ = text;
    records_.clear();
    before_ = state_.hasDocument() ? current() : EditState{};
    versionBefore_ = state_.hasDocument() ? version() : std::pair<int, int>{};
}

void EditHistory::end() {
    if (depth_ == 0 || --depth_ > 0) return;
    if (!state_.hasDocument() || before_.document.isEmpty()) return;
    EditState after = current();
    if (after == before_) return;
    stack_.push(new EditStep(*this, text_, std::move(before_), std::move(after),
                             std::move(records_), version() != versionBefore_));
    before_ = {};
    records_.clear();
}

void EditHistory::noteRecord(int code, const std::array<QString, 5>& fields) {
    if (depth_ > 0) records_.push_back({code, fields});
}

std::vector<doc::ChangeRecord> EditHistory::recordsToward(const QByteArray& target) const {
    const std::unique_ptr<doc::Document> wanted =
        doc::DocumentReader::parse(target, state_.currentFile);
    return doc::changeRecords(*state_.document(), *wanted, stamp_);
}

// The records go first: a journal that cannot be written leaves the document as it is.
// A move that failed ends the stack's move: the steps after it are not made either.
void EditHistory::moveTo(const EditState& state, const std::vector<doc::ChangeRecord>* records,
                         bool withVersion, int reachedIndex) {
    doc::Document* document = state_.document();
    if (!document || settling_ || failure_) return;
    try {
        const std::pair<int, int> saved = version();
        const QDateTime updated =
            document->hasType(kInternals) ? doc::internals::BDFLastUpdate(*document) : QDateTime();
        const QByteArray target = qUncompress(state.document);
        const std::vector<doc::ChangeRecord> journalled =
            records ? *records : recordsToward(target);
        std::vector<MergeRecord> lines;
        for (const doc::ChangeRecord& record : journalled)
            lines.push_back({record.code, record.fields});
        if (!lines.empty()) state_.journal().write(lines);
        document->restore(target);
        if (document->hasType(kInternals)) {
            doc::internals::setBDFLastUpdate(*document, updated);
            if (!withVersion) {
                doc::internals::setBDFMajorVer(*document, saved.first);
                doc::internals::setBDFMinorver(*document, saved.second);
            }
        }
        state_.filtersUnsorted = state.filtersUnsorted;
    } catch (const AppError& error) {
        failure_ = error;
        return;
    }
    documentIndex_ = reachedIndex;
    if (afterMove_) afterMove_();
}

}  // namespace sentrel::lifecycle
