#include "document/TypeObject.h"

#include <algorithm>

#include "document/Document.h"
#include "document/DocumentError.h"
#include "document/DocumentState.h"
#include "document/InheritanceIndex.h"

namespace sentrel::doc {

namespace {

bool byId(const std::pair<int, QString>& value, int id) {
    return value.first < id;
}

}  // namespace

TypeObject::TypeObject(Document* document, QString name, Kind kind, TypeObject* base)
    : document_(document),
      name_(std::move(name)),
      kind_(kind),
      base_(base),
      top_(base ? base->top_ : this) {}

TypeObject::~TypeObject() = default;

QStringList TypeObject::enumerate() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(declaringType().parameters_.size()));
    for (const Parameter& p : declaringType().parameters_) names.append(p.name);
    return names;
}

bool TypeObject::hasParameter(const QString& name) const {
    return findParameter(name);
}

const TypeObject::Parameter* TypeObject::findParameter(const QString& name) const {
    const TypeObject& top = declaringType();
    // Callers mostly ask for parameters in declaration order (enumerate() then Path(), a file
    // being read): look a few places past the last one found before hashing the name.
    const size_t count = top.parameters_.size();
    const size_t hint = top.lookupHint_.load(std::memory_order_relaxed);
    for (size_t i = hint; i < std::min(count, hint + kLookAhead); ++i) {
        if (top.parameters_[i].name == name) {
            top.lookupHint_.store(i + 1, std::memory_order_relaxed);
            return &top.parameters_[i];
        }
    }
    const auto it = top.parameterIndex_.constFind(name.toLower());
    if (it == top.parameterIndex_.cend()) return nullptr;
    top.lookupHint_.store(static_cast<size_t>(*it) + 1, std::memory_order_relaxed);
    return &top.parameters_[*it];
}

const TypeObject::Parameter& TypeObject::requireParameter(const QString& name) const {
    const Parameter* parameter = findParameter(name);
    if (!parameter) {
        raiseDocumentError(
            kErrNoSuchMember,
            QStringLiteral("The type \"%1\" has no parameter \"%2\".").arg(name_, name));
    }
    return *parameter;
}

const QString* TypeObject::findOwnValue(int id) const {
    const auto it = std::lower_bound(values_.begin(), values_.end(), id, byId);
    return it != values_.end() && it->first == id ? &it->second : nullptr;
}

void TypeObject::setOwnValue(int id, const QString& value) {
    // An empty value is a value of its own: it no longer reads the base's value.
    const QString stored = value.isNull() ? QStringLiteral("") : value;
    const auto it = std::lower_bound(values_.begin(), values_.end(), id, byId);
    if (it != values_.end() && it->first == id) {
        it->second = stored;
    } else {
        values_.insert(it, {id, stored});
    }
    if (top_->inheritanceIndex_) top_->inheritanceIndex_->dropColumn(id);
}

void TypeObject::eraseOwnValue(int id) {
    const auto it = std::lower_bound(values_.begin(), values_.end(), id, byId);
    if (it != values_.end() && it->first == id) values_.erase(it);
    if (top_->inheritanceIndex_) top_->inheritanceIndex_->dropColumn(id);
}

InheritanceIndex& TypeObject::inheritanceIndex() const {
    if (!inheritanceIndex_) {
        std::vector<const TypeObject*> members;
        for (const auto& type : document_->state_->types) {
            if (type->top_ == this) members.push_back(type.get());
        }
        inheritanceIndex_ = std::make_unique<InheritanceIndex>(std::move(members));
    }
    return *inheritanceIndex_;
}

void TypeObject::dropInheritanceIndex() {
    inheritanceIndex_.reset();
}

const TypeObject* TypeObject::valueHolder(int id) const {
    const TypeObject* type = this;
    for (int step = 0; type && step < kWalkedChain; ++step, type = type->base_) {
        if (type->findOwnValue(id)) return type;
    }
    return type ? top_->inheritanceIndex().holder(*type, id) : nullptr;
}

QString TypeObject::Path(const QString& parameter) const {
    const int id = requireParameter(parameter).id;
    const TypeObject* holder = valueHolder(id);
    return holder ? *holder->findOwnValue(id) : QString();
}

QStringList TypeObject::values() const {
    const TypeObject& top = declaringType();
    std::vector<int> positionOfId(static_cast<size_t>(top.nextParameterId_), -1);
    for (size_t i = 0; i < top.parameters_.size(); ++i) {
        positionOfId[static_cast<size_t>(top.parameters_[i].id)] = static_cast<int>(i);
    }
    QStringList result(static_cast<qsizetype>(top.parameters_.size()));
    std::vector<bool> resolved(top.parameters_.size(), false);
    const TypeObject* type = this;
    for (int step = 0; type && step < kWalkedChain; ++step, type = type->base_) {
        for (const auto& [id, value] : type->values_) {
            const int position = positionOfId[static_cast<size_t>(id)];
            if (position < 0 || resolved[static_cast<size_t>(position)]) continue;
            resolved[static_cast<size_t>(position)] = true;
            result[position] = value;
        }
    }
    if (!type) return result;
    // A deep chain: what the walk left open, the index answers from where the walk stopped.
    for (size_t position = 0; position < top.parameters_.size(); ++position) {
        if (resolved[position]) continue;
        const int id = top.parameters_[position].id;
        if (const TypeObject* holder = top.inheritanceIndex().holder(*type, id)) {
            result[static_cast<qsizetype>(position)] = *holder->findOwnValue(id);
        }
    }
    return result;
}

QString TypeObject::ownValue(const QString& parameter) const {
    const QString* value = findOwnValue(requireParameter(parameter).id);
    return value ? *value : QString();
}

void TypeObject::SetParamDefValue(const QString& parameter, const QString& value) {
    setOwnValue(requireParameter(parameter).id, value);
}

void TypeObject::requireDeclaringType(const char* operation) const {
    if (base_ || kind_ == Kind::Data || kind_ == Kind::Array) {
        raiseDocumentError(kErrInvalidArgument,
                           QStringLiteral("%1 is not available on the type \"%2\": parameters are "
                                          "declared on the root or on a standalone type.")
                               .arg(QLatin1String(operation), name_));
    }
}

void TypeObject::AddProperty(const QString& name, const QString& dataType) {
    requireDeclaringType("AddProperty");
    requireName(name, "parameter");
    if (findParameter(name)) {
        raiseDocumentError(kErrNameExists, QStringLiteral("The type \"%1\" already has a "
                                                          "parameter \"%2\".")
                                               .arg(name_, name));
    }
    parameters_.push_back({name, name.toLower(), dataType, nextParameterId_++});
    parameterIndex_.insert(parameters_.back().key, static_cast<int>(parameters_.size()) - 1);
}

void TypeObject::AddParameter(const QString& name, const QString& dataTypeDisplayName) {
    AddProperty(name, dataTypeDisplayName);
}

QString TypeObject::GetPropertyType(const QString& parameter) const {
    return requireParameter(parameter).dataType;
}

void TypeObject::Rename(const QString& oldName, const QString& newName) {
    requireDeclaringType("Rename");
    requireName(newName, "parameter");
    const Parameter& old = requireParameter(oldName);
    const Parameter* clash = findParameter(newName);
    if (clash && clash != &old) {
        raiseDocumentError(kErrNameExists, QStringLiteral("The type \"%1\" already has a "
                                                          "parameter \"%2\".")
                                               .arg(name_, newName));
    }
    // Values are kept by parameter id, so every type keeps its values under the new name.
    Parameter& renamed = parameters_[static_cast<size_t>(&old - parameters_.data())];
    const QString oldKey = renamed.key;
    renamed.name = newName;
    renamed.key = newName.toLower();
    rebuildParameterIndex();
    document_->renameFieldsOf(*this, oldKey, renamed.key);
}

void TypeObject::deleteProperty(const QString& parameter) {
    requireDeclaringType("deleteProperty");
    const Parameter& victim = requireParameter(parameter);
    const int id = victim.id;
    const QString key = victim.key;
    parameters_.erase(parameters_.begin() + (&victim - parameters_.data()));
    rebuildParameterIndex();
    document_->eraseValuesOf(*this, id, key);
}

QStringList TypeObject::Parameters() const {
    return enumerate();
}

void TypeObject::rebuildParameterIndex() {
    parameterIndex_.clear();
    for (size_t i = 0; i < parameters_.size(); ++i) {
        parameterIndex_.insert(parameters_[i].key, static_cast<int>(i));
    }
}

}  // namespace sentrel::doc
