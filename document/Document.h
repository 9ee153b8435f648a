#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "document/FiltersArray.h"
#include "document/StringArray.h"
#include "document/TypeObject.h"

class QLockFile;

namespace sentrel::doc {

// Error numbers of the document library besides the system ones of AppError
// (432 missing file or folder, 70 permission denied).
inline constexpr int kErrDocumentHeld = 1050;     // bound by this or another process
inline constexpr int kErrDocumentDamaged = 1051;  // not a definitions document, or damaged
inline constexpr int kErrNoSuchMember = 438;      // unknown type, parameter or field
inline constexpr int kErrBadIndex = 9;            // array index out of range
inline constexpr int kErrInvalidArgument = 5;     // empty name, unknown class, misplaced call
inline constexpr int kErrTypeMismatch = 13;       // a number field given text that is no number
inline constexpr int kErrNameExists = 1052;       // a type, parameter or property of that name
inline constexpr int kErrTypeInUse = 1053;        // deleting a type that others still use

// The source named by every error the document library raises.
inline constexpr char kErrorSource[] = "SentrelDocument";

// A definitions document: the browser definition files (.bdf) and the internal data
// documents (.dtl, .dtx) alike. Every failing call throws sentrel::AppError.
//
// A bound document holds an exclusive lock (a lock file beside the document, "name.bdf.lock"
// with QLockFile semantics, so the lock of a process that died is recognised as stale) until
// RevokeFromROT or destruction; a second bind of the same path, from this or another process,
// fails with kErrDocumentHeld.
//
// deleteType of a type that browser types derive from re-parents them: they derive from the
// deleted type's base from then on and take over the deleted type's own values where they
// have none, so every value they read stays the same. A type nothing can be re-parented to
// (one without a base), an element type of an array type and the type of a document-level
// property are not deleted (kErrTypeInUse).
class Document {
  public:
    // Loads the file and takes its lock. Throws 432 when the file or its folder is missing,
    // kErrDocumentHeld when the document is bound elsewhere, 70 when reading is not permitted,
    // kErrDocumentDamaged (naming the line and the fault) for a damaged file, 75 otherwise.
    static std::unique_ptr<Document> bind(const QString& path);
    // Loads the file without the lock, for read-only uses (command-line info, check, export).
    static std::unique_ptr<Document> load(const QString& path);
    // A new, unbound document holding the data types and an empty root "DefaultBrowser".
    static std::unique_ptr<Document> create();

    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Writes the document whole to the file it belongs to (temporary file + rename). Throws 61
    // when the disk is full, 70 when writing is not permitted, 76 when the folder is missing,
    // 75 otherwise; the previous file then stays as it was.
    void save();
    // Writes it to `path`, which from then on is its file; a bound document moves its lock
    // (kErrDocumentHeld, and nothing changes, when `path` is bound elsewhere).
    void save(const QString& path);
    // Releases the lock; the document stays readable but belongs to no file's lock.
    void RevokeFromROT(bool revoke = true);

    // The whole content as the file format writes it, for keeping a state to come back to.
    QByteArray snapshot() const;
    // Makes the content that of a snapshot; the file, its lock and the recent-files list
    // stay. References to type objects taken before are no longer valid. Throws
    // kErrDocumentDamaged, and nothing changes, for bytes that are no snapshot.
    void restore(const QByteArray& snapshot);

    const QString& filePath() const { return path_; }
    bool isLocked() const;

    // Names of every type, data and internal types included, in stable order: file order,
    // new types appended.
    QStringList types() const;
    bool hasType(const QString& name) const;
    TypeObject& Path(const QString& typeName);
    // "type.parameter" (split at the first full stop): that type's value of the parameter.
    QString PathValue(const QString& typeAndParameter) const;
    TypeObject& DefaultBrowser();

    TypeObject& AddInheritedType(const QString& name, const QString& baseName);
    TypeObject& AddType(const QString& name, const QString& className);
    TypeObject& addArrayType(const QString& name, const QString& elementTypeName);
    void deleteType(const QString& name);

    // Document-level properties: name -> type name ("FiltersArray" of type "FiltersArray").
    void AddProperty(const QString& name, const QString& typeName);
    void deleteProperty(const QString& name);
    bool hasProperty(const QString& name) const;

    // The "Internals" type object; throws when the document has none (structure 0).
    TypeObject& Internals();
    // The filter collection; throws when the document has no "FiltersArray" property.
    doc::FiltersArray& FiltersArray();

    // The recent-files list of the internal data document (empty elsewhere).
    LruObject& lru() { return lru_; }

  private:
    friend class TypeObject;
    friend class DocumentReader;
    friend class DocumentWriter;
    Document();
    TypeObject& addTypeObject(const QString& name, TypeObject::Kind kind, TypeObject* base);
    TypeObject* findType(const QString& name) const;
    TypeObject& requireType(const QString& name) const;
    void requireNewTypeName(const QString& name) const;
    void checkDeletable(const TypeObject& type) const;
    void reparentDerivedTypes(TypeObject& type);
    // Keeps stored values in step when a declaring type drops or renames a parameter: the
    // own values of its types, and the fields of the elements of arrays of it.
    void eraseValuesOf(const TypeObject& declaringType, int parameterId, const QString& key);
    void renameFieldsOf(const TypeObject& elementType, const QString& oldKey,
                        const QString& newKey);
    void writeTo(const QString& path) const;
    struct State;
    std::unique_ptr<State> state_;
    QString path_;
    LruObject lru_;
};

// Typed access to the members of `Internals`.
namespace internals {
int BDFStructure(Document& document);  // throws when the document has no Internals
int BDFMajorVer(Document& document);
int BDFMinorver(Document& document);
QDateTime BDFLastUpdate(Document& document);
void setBDFStructure(Document& document, int value);
void setBDFMajorVer(Document& document, int value);
void setBDFMinorver(Document& document, int value);
void setBDFLastUpdate(Document& document, const QDateTime& value);
}  // namespace internals

}  // namespace sentrel::doc
