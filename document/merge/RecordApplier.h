#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "document/merge/ReplayReport.h"

namespace sentrel::doc {

class Document;
class TypeObject;
class FiltersArray;
class FilterElement;
struct FilterValueField;

struct Verdict {
    ReplayOutcome outcome;
    QString reason;
};

// The rules of the replay: what each record code does to a document, when it has nothing to
// do and when it conflicts. A record is checked whole before anything changes.
class RecordApplier {
  public:
    using Fields = std::array<QString, 5>;

    // `laterFilterFields`: for a filter record, the fields that later records of the same
    // merge file give the same filter, so that a filter the file added and then changed is
    // recognised as the file's own when the file is replayed again.
    explicit RecordApplier(Document& document, std::vector<Fields> laterFilterFields = {})
        : document_(document), laterFilterFields_(std::move(laterFilterFields)) {}

    // Throws AppError only where the document itself refuses a change.
    Verdict apply(int code, const std::array<QString, 5>& fields);

  private:
    Verdict addType(const Fields& f, bool browser);
    Verdict setTypeText(const Fields& f, const QString& parameter);
    Verdict deleteType(const Fields& f);
    Verdict restoreType(const Fields& f);
    Verdict addProperty(const Fields& f);
    Verdict renameProperty(const Fields& f);
    Verdict changeValue(const Fields& f);
    Verdict removeProperty(const Fields& f);
    Verdict addFilter(const Fields& f);
    Verdict changeFilter(const Fields& f);
    Verdict removeFilter(const Fields& f);

    // A live browser type or folder of that name, else nullptr and `why` says what it is.
    TypeObject* liveType(const QString& name, Verdict* why) const;
    bool hasLiveChildren(const QString& name) const;
    QStringList liveDescendants(const QString& top) const;
    // The filter's values from a record, or the reason they cannot be taken.
    bool filterValues(const Fields& f, FilterValueField* values, int* priority, Verdict* why) const;
    int filterIndex(int uId) const;
    // True when the filter has the fields a later record of the file gives it.
    bool changedLaterInTheFile(const FilterElement& filter) const;

    Document& document_;
    std::vector<Fields> laterFilterFields_;
};

}  // namespace sentrel::doc
