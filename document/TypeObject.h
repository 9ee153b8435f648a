#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <utility>
#include <vector>

namespace sentrel::doc {

class Document;
class InheritanceIndex;

// One type of a definitions document. Browser types and folders derive from the root
// "DefaultBrowser" through AddInheritedType and carry every parameter the root declares;
// standalone types ("Internals", "Filters") have parameters of their own (AddProperty);
// data types ("String", "Integer", ...) and array types have none.
// Names of types and parameters are matched without regard to case everywhere.
class TypeObject {
  public:
    enum class Kind { Data, Inherited, Standalone, Array };

    ~TypeObject();
    TypeObject(const TypeObject&) = delete;
    TypeObject& operator=(const TypeObject&) = delete;

    const QString& Name() const { return name_; }
    Kind kind() const { return kind_; }

    // The base type object; nullptr for the root and for types that derive from nothing.
    TypeObject* getbasetype() const { return base_; }

    // Names of every parameter of the type, own and inherited, in declaration order.
    QStringList enumerate() const;
    bool hasParameter(const QString& name) const;

    // The type's value for a parameter: its own value, else its base's, up to the root's;
    // "" when nobody set one. Throws AppError for a parameter the type does not carry.
    // Takes constant time on average however deep the type lies below its root.
    QString Path(const QString& parameter) const;
    // Path() of every parameter at once, in enumerate() order; much faster than one call per
    // parameter when a whole type is shown or exported.
    QStringList values() const;
    // The value the type itself holds, without inheritance; a null QString when unset.
    QString ownValue(const QString& parameter) const;
    // Stores the type's own value. Throws AppError for a parameter the type does not carry.
    void SetParamDefValue(const QString& parameter, const QString& value);

    // Adds a parameter to a standalone type (file upgrade only).
    void AddProperty(const QString& name, const QString& dataType);

    // Root only: parameters every type carries.
    void AddParameter(const QString& name, const QString& dataTypeDisplayName);
    QString GetPropertyType(const QString& parameter) const;  // as passed to AddParameter
    void Rename(const QString& oldName, const QString& newName);
    void deleteProperty(const QString& parameter);
    QStringList Parameters() const;

    // Element type of an array type ("Filters" for "FiltersArray").
    const QString& elementType() const { return elementType_; }

  private:
    friend class Document;
    friend class DocumentReader;
    friend class DocumentWriter;
    friend class InheritanceIndex;
    struct Parameter {
        QString name;
        QString key;  // lower-cased name
        QString dataType;
        int id;  // unique within the declaring type, growing in declaration order
    };
    using OwnValue = std::pair<int, QString>;  // parameter id, value

    TypeObject(Document* document, QString name, Kind kind, TypeObject* base);
    // The first type of the base chain: the root for browser types, else the type itself.
    // It declares the parameters that every type of its chain carries.
    const TypeObject& declaringType() const { return *top_; }
    TypeObject& declaringType() { return *top_; }
    const Parameter* findParameter(const QString& name) const;
    const Parameter& requireParameter(const QString& name) const;
    void requireDeclaringType(const char* operation) const;
    const QString* findOwnValue(int id) const;
    void setOwnValue(int id, const QString& value);
    void eraseOwnValue(int id);
    void rebuildParameterIndex();
    // The type at or above this one holding an own value of the parameter; nullptr if none.
    const TypeObject* valueHolder(int id) const;
    // Declaring type only: the index of its tree, built on first use.
    InheritanceIndex& inheritanceIndex() const;
    // Declaring type only: a type of its tree was added, deleted or re-parented.
    void dropInheritanceIndex();

    Document* document_;
    QString name_;
    Kind kind_;
    TypeObject* base_ = nullptr;
    TypeObject* top_;
    QString elementType_;
    int derivedCount_ = 0;  // types whose base is this one
    int nextParameterId_ = 0;
    std::vector<Parameter> parameters_;   // declared here (root or standalone type)
    QHash<QString, int> parameterIndex_;  // lower-cased name -> index in parameters_
    std::vector<OwnValue> values_;        // own values, sorted by parameter id
    static constexpr size_t kLookAhead = 24;
    mutable std::atomic<size_t> lookupHint_{0};  // where findParameter looks first
    // Chains up to this long are walked; deeper ones are answered by the inheritance index.
    static constexpr int kWalkedChain = 16;
    mutable std::unique_ptr<InheritanceIndex> inheritanceIndex_;  // declaring type only
};

}  // namespace sentrel::doc
