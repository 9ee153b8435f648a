#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "document/merge/ReplayReport.h"

namespace sentrel::doc {

class Document;
class TypeObject;
class FiltersArray;
struct FilterValueField;

struct Verdict {
    ReplayOutcome outcome;
    QString reason;
};

// The rules of the replay: what each record code does to a document, when it has nothing to
// do and when it conflicts. A record is checked whole before anything changes.
class RecordApplier {
  public:
    explicit RecordApplier(Document& document) : document_(document) {}

    // Throws AppError only where the document itself refuses a change.
    Verdict apply(int code, const std::array<QString, 5>& fields);

  private:
    using Fields = std::array<QString, 5>;

    Verdict addType(const Fields& f, bool browser);
    Verdict setTypeText(const Fields& f, const QString& parameter);
    Verdict deleteType(const Fields& f);
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

    Document& document_;
};

}  // namespace sentrel::doc
