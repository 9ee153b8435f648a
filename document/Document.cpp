#include "document/Document.h"

#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

#include "document/DocumentError.h"
#include "document/DocumentLock.h"
#include "document/DocumentReader.h"
#include "document/DocumentState.h"
#include "document/DocumentWriter.h"
#include "document/FileAccess.h"

namespace sentrel::doc {

namespace {

const QString kRootName = QStringLiteral("DefaultBrowser");
const QString kFiltersArrayName = QStringLiteral("FiltersArray");
const QString kStandaloneClass = QStringLiteral("CLSID_ParamObjType");

bool sameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

Document::Document() : state_(std::make_unique<State>()) {}

Document::~Document() = default;

std::unique_ptr<Document> Document::bind(const QString& path) {
    // A missing file is reported as such before any lock file is made beside it.
    file_access::requireExisting(path);
    std::unique_ptr<QLockFile> lock = document_lock::acquire(path);
    std::unique_ptr<Document> document = DocumentReader::read(path);
    document->state_->lock = std::move(lock);
    return document;
}

std::unique_ptr<Document> Document::load(const QString& path) {
    return DocumentReader::read(path);
}

std::unique_ptr<Document> Document::create() {
    std::unique_ptr<Document> document(new Document());
    for (const char* name :
         {"Integer", "String", "Boolean", "Single", "Double", "Datetime", "Method"}) {
        document->addTypeObject(QString::fromLatin1(name), TypeObject::Kind::Data, nullptr);
    }
    document->addTypeObject(kRootName, TypeObject::Kind::Inherited, nullptr);
    return document;
}

void Document::save() {
    if (path_.isEmpty()) {
        raiseDocumentError(
            kErrInvalidArgument,
            QStringLiteral("The document belongs to no file yet; save it to a path."));
    }
    writeTo(path_);
}

void Document::save(const QString& path) {
    if (sameFile(path_, path)) {
        writeTo(path);
        path_ = path;
        return;
    }
    std::unique_ptr<QLockFile> newLock;
    if (isLocked()) {
        file_access::requireFolderOf(path);
        newLock = document_lock::acquire(path);
    }
    writeTo(path);  // on failure the new lock is dropped and the old one kept
    if (newLock) state_->lock = std::move(newLock);
    path_ = path;
}

void Document::writeTo(const QString& path) const {
    file_access::writeAll(path, DocumentWriter::write(*this));
}

QByteArray Document::snapshot() const {
    return DocumentWriter::write(*this);
}

void Document::restore(const QByteArray& snapshot) {
    std::unique_ptr<Document> restored = DocumentReader::parse(snapshot, path_);
    for (const auto& type : restored->state_->types) type->document_ = this;
    std::swap(state_->types, restored->state_->types);
    std::swap(state_->typeIndex, restored->state_->typeIndex);
    std::swap(state_->properties, restored->state_->properties);
}

void Document::RevokeFromROT(bool revoke) {
    if (revoke) state_->lock.reset();
}

bool Document::isLocked() const {
    return state_->lock && state_->lock->isLocked();
}

QStringList Document::types() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(state_->types.size()));
    for (const auto& type : state_->types) names.append(type->Name());
    return names;
}

bool Document::hasType(const QString& name) const {
    return findType(name);
}

TypeObject* Document::findType(const QString& name) const {
    return state_->typeIndex.value(name.toLower(), nullptr);
}

TypeObject& Document::requireType(const QString& name) const {
    TypeObject* type = findType(name);
    if (!type) {
        raiseDocumentError(kErrNoSuchMember,
                           QStringLiteral("The document has no type \"%1\".").arg(name));
    }
    return *type;
}

TypeObject& Document::Path(const QString& typeName) {
    return requireType(typeName);
}

QString Document::PathValue(const QString& typeAndParameter) const {
    const qsizetype dot = typeAndParameter.indexOf(u'.');
    if (dot < 0) {
        raiseDocumentError(kErrInvalidArgument,
                           QStringLiteral("\"%1\" names no parameter (expected type.parameter).")
                               .arg(typeAndParameter));
    }
    return requireType(typeAndParameter.left(dot)).Path(typeAndParameter.mid(dot + 1));
}

TypeObject& Document::DefaultBrowser() {
    return requireType(kRootName);
}

void Document::requireNewTypeName(const QString& name) const {
    requireName(name, "type");
    if (findType(name)) {
        raiseDocumentError(kErrNameExists,
                           QStringLiteral("The document already has a type \"%1\".").arg(name));
    }
}

TypeObject& Document::addTypeObject(const QString& name, TypeObject::Kind kind, TypeObject* base) {
    requireNewTypeName(name);
    state_->types.push_back(std::unique_ptr<TypeObject>(new TypeObject(this, name, kind, base)));
    TypeObject& type = *state_->types.back();
    state_->typeIndex.insert(name.toLower(), &type);
    if (base) {
        ++base->derivedCount_;
        base->top_->dropInheritanceIndex();
    }
    return type;
}

TypeObject& Document::AddInheritedType(const QString& name, const QString& baseName) {
    TypeObject& base = requireType(baseName);
    if (base.kind() == TypeObject::Kind::Data || base.kind() == TypeObject::Kind::Array) {
        raiseDocumentError(
            kErrInvalidArgument,
            QStringLiteral("No type can derive from the type \"%1\".").arg(base.Name()));
    }
    return addTypeObject(name, TypeObject::Kind::Inherited, &base);
}

TypeObject& Document::AddType(const QString& name, const QString& className) {
    if (!sameName(className, kStandaloneClass)) {
        raiseDocumentError(kErrInvalidArgument,
                           QStringLiteral("Unknown type class \"%1\".").arg(className));
    }
    return addTypeObject(name, TypeObject::Kind::Standalone, nullptr);
}

TypeObject& Document::addArrayType(const QString& name, const QString& elementTypeName) {
    const TypeObject& element = requireType(elementTypeName);
    if (element.kind() != TypeObject::Kind::Standalone) {
        raiseDocumentError(kErrInvalidArgument,
                           QStringLiteral("The type \"%1\" cannot be the element of an array.")
                               .arg(element.Name()));
    }
    TypeObject& array = addTypeObject(name, TypeObject::Kind::Array, nullptr);
    array.elementType_ = element.Name();
    return array;
}

void Document::checkDeletable(const TypeObject& type) const {
    auto inUse = [&](const QString& why) {
        raiseDocumentError(
            kErrTypeInUse,
            QStringLiteral("The type \"%1\" cannot be deleted: %2.").arg(type.Name(), why));
    };
    if (type.derivedCount_ > 0 && !type.base_) inUse(QStringLiteral("other types derive from it"));
    for (const auto& other : state_->types) {
        if (other->kind() == TypeObject::Kind::Array &&
            sameName(other->elementType_, type.Name())) {
            inUse(QStringLiteral("the array type \"%1\" holds it").arg(other->Name()));
        }
    }
    for (const DocumentProperty& property : state_->properties) {
        if (sameName(property.typeName, type.Name())) {
            inUse(QStringLiteral("the property \"%1\" is of this type").arg(property.name));
        }
    }
}

void Document::reparentDerivedTypes(TypeObject& type) {
    if (type.derivedCount_ == 0) return;
    for (const auto& derived : state_->types) {
        if (derived->base_ != &type) continue;
        derived->base_ = type.base_;
        ++type.base_->derivedCount_;
        for (const auto& [id, value] : type.values_) {
            if (!derived->findOwnValue(id)) derived->setOwnValue(id, value);
        }
    }
    type.derivedCount_ = 0;
}

void Document::deleteType(const QString& name) {
    TypeObject& type = requireType(name);
    checkDeletable(type);
    type.top_->dropInheritanceIndex();
    reparentDerivedTypes(type);
    if (type.base_) --type.base_->derivedCount_;
    state_->typeIndex.remove(type.Name().toLower());
    auto& types = state_->types;
    types.erase(std::find_if(types.begin(), types.end(),
                             [&](const auto& candidate) { return candidate.get() == &type; }));
}

void Document::eraseValuesOf(const TypeObject& declaringType, int parameterId, const QString& key) {
    for (const auto& type : state_->types) {
        if (type->top_ == &declaringType) type->eraseOwnValue(parameterId);
    }
    for (const DocumentProperty& property : state_->properties) {
        if (!property.array || property.array->elementType_ != &declaringType) continue;
        for (FilterElement& element : property.array->elements_) element.values_.remove(key);
    }
}

void Document::renameFieldsOf(const TypeObject& elementType, const QString& oldKey,
                              const QString& newKey) {
    if (oldKey == newKey) return;
    for (const DocumentProperty& property : state_->properties) {
        if (!property.array || property.array->elementType_ != &elementType) continue;
        for (FilterElement& element : property.array->elements_) {
            if (element.values_.contains(oldKey)) {
                element.values_.insert(newKey, element.values_.take(oldKey));
            }
        }
    }
}

void Document::AddProperty(const QString& name, const QString& typeName) {
    requireName(name, "property");
    if (state_->findProperty(name)) {
        raiseDocumentError(kErrNameExists,
                           QStringLiteral("The document already has a property \"%1\".").arg(name));
    }
    const TypeObject& type = requireType(typeName);
    DocumentProperty property{name, type.Name(), nullptr};
    if (type.kind() == TypeObject::Kind::Array) {
        property.array.reset(new doc::FiltersArray(&requireType(type.elementType_)));
    }
    state_->properties.push_back(std::move(property));
}

void Document::deleteProperty(const QString& name) {
    DocumentProperty* property = state_->findProperty(name);
    if (!property) {
        raiseDocumentError(kErrNoSuchMember,
                           QStringLiteral("The document has no property \"%1\".").arg(name));
    }
    state_->properties.erase(state_->properties.begin() + (property - state_->properties.data()));
}

bool Document::hasProperty(const QString& name) const {
    return state_->findProperty(name);
}

TypeObject& Document::Internals() {
    return requireType(QStringLiteral("Internals"));
}

doc::FiltersArray& Document::FiltersArray() {
    DocumentProperty* property = state_->findProperty(kFiltersArrayName);
    if (!property || !property->array) {
        raiseDocumentError(
            kErrNoSuchMember,
            QStringLiteral("The document has no filter collection \"FiltersArray\"."));
    }
    return *property->array;
}

}  // namespace sentrel::doc
