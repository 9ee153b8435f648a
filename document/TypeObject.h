#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace sentrel::doc {

class Document;

// One type of a definitions document. Browser types and folders derive from the root
// "DefaultBrowser" through AddInheritedType and carry every parameter the root declares;
// standalone types ("Internals", "Filters") have parameters of their own (AddProperty);
// data types ("String", "Integer", ...) and array types have none.
// Names of types and parameters are matched without regard to case everywhere.
class TypeObject {
public:
    enum class Kind { Data, Inherited, Standalone, Array };

    const QString& Name() const { return name_; }
    Kind kind() const { return kind_; }

    // The base type object; nullptr for the root and for types that derive from nothing.
    TypeObject* getbasetype() const { return base_; }

    // Names of every parameter of the type, own and inherited, in declaration order.
    QStringList enumerate() const;
    bool hasParameter(const QString& name) const;

    // The type's value for a parameter: its own value, else its base's, up to the root's;
    // "" when nobody set one. Throws AppError for a parameter the type does not carry.
    QString Path(const QString& parameter) const;
    // The value the type itself holds, without inheritance (nullopt-like: isNull() when unset).
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
    struct Parameter {
        QString name;
        QString dataType;
    };

    TypeObject(Document* document, QString name, Kind kind);
    const TypeObject& declaringType() const;  // the root for inherited types, else itself
    TypeObject& declaringType();
    int parameterIndex(const QString& name) const;
    void requireParameter(const QString& name) const;

    Document* document_;
    QString name_;
    Kind kind_;
    TypeObject* base_ = nullptr;
    QString elementType_;
    std::vector<Parameter> parameters_;       // declared here (root or standalone type)
    QHash<QString, int> parameterIndex_;      // lower-cased name -> index in parameters_
    QHash<QString, QString> values_;          // lower-cased parameter name -> own value
};

}  // namespace sentrel::doc
