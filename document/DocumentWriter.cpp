#include "document/DocumentWriter.h"

#include <QString>

#include "document/DocumentFormat.h"
#include "document/DocumentState.h"
#include "document/FieldCodec.h"

namespace sentrel::doc {

namespace {

using field_codec::Position;

class LineWriter {
  public:
    explicit LineWriter(QString& out) : out_(out) {}

    // keyword inner... last: the last field keeps its spaces; an empty one is left out.
    LineWriter& start(QLatin1StringView keyword, bool indented = false) {
        if (indented) out_.append(format::kIndent);
        out_.append(keyword);
        return *this;
    }
    LineWriter& inner(QStringView text) {
        out_.append(u' ');
        field_codec::appendEscaped(out_, text, Position::Inner);
        return *this;
    }
    LineWriter& keyword(QLatin1StringView text) {
        out_.append(u' ');
        out_.append(text);
        return *this;
    }
    void last(QStringView text) {
        if (!text.isEmpty()) {
            out_.append(u' ');
            field_codec::appendEscaped(out_, text, Position::Last);
        }
        end();
    }
    void end() { out_.append(u'\n'); }

  private:
    QString& out_;
};

QLatin1StringView kindKeyword(TypeObject::Kind kind) {
    switch (kind) {
        case TypeObject::Kind::Data:
            return format::kData;
        case TypeObject::Kind::Inherited:
            return format::kInherited;
        case TypeObject::Kind::Standalone:
            return format::kStandalone;
        case TypeObject::Kind::Array:
            return format::kArray;
    }
    return format::kData;
}

}  // namespace

class DocumentWriter::Impl {
  public:
    explicit Impl(QString& out) : line_(out) {}

    void writeType(const TypeObject& type) {
        line_.start(format::kType).inner(type.Name()).keyword(kindKeyword(type.kind()));
        if (type.base_) {
            line_.last(type.base_->Name());
        } else {
            line_.last(type.elementType_);
        }
        for (const TypeObject::Parameter& p : type.parameters_) {
            line_.start(format::kParam, true).inner(p.name).last(p.dataType);
        }
        const TypeObject& top = type.declaringType();
        for (const auto& [id, value] : type.values_) {
            line_.start(format::kValue, true)
                .inner(top.parameters_[indexOf(top, id)].name)
                .last(value);
        }
    }

    void writeProperty(const DocumentProperty& property) {
        line_.start(format::kProperty).inner(property.name).last(property.typeName);
    }

    void writeItems(const DocumentProperty& property) {
        if (!property.array) return;
        const TypeObject& element = *property.array->elementType_;
        for (const FilterElement& item : property.array->elements_) {
            line_.start(format::kItem).last(property.name);
            for (const TypeObject::Parameter& field : element.parameters_) {
                const auto value = item.values_.constFind(field.key);
                if (value == item.values_.cend()) continue;
                line_.start(format::kField, true).inner(field.name).last(*value);
            }
        }
    }

    void writeLru(const QString& path) { line_.start(format::kLru).last(path); }

  private:
    // Position of a parameter id in the declaring type: ids grow in declaration order.
    size_t indexOf(const TypeObject& top, int id) {
        if (cachedTop_ != &top) {
            cachedTop_ = &top;
            positions_.assign(static_cast<size_t>(top.nextParameterId_), 0);
            for (size_t i = 0; i < top.parameters_.size(); ++i) {
                positions_[static_cast<size_t>(top.parameters_[i].id)] = i;
            }
        }
        return positions_[static_cast<size_t>(id)];
    }

    LineWriter line_;
    const TypeObject* cachedTop_ = nullptr;
    std::vector<size_t> positions_;
};

QByteArray DocumentWriter::write(const Document& document) {
    QString out;
    out.reserve(1 << 20);
    out.append(format::kMagic).append(u' ').append(QString::number(format::kVersion)).append(u'\n');
    Impl writer(out);
    for (const auto& type : document.state_->types) writer.writeType(*type);
    for (const DocumentProperty& property : document.state_->properties) {
        writer.writeProperty(property);
    }
    for (const DocumentProperty& property : document.state_->properties)
        writer.writeItems(property);
    for (const QString& path : document.lru_.bdfName.items()) writer.writeLru(path);
    out.append(format::kEnd).append(u'\n');
    return out.toUtf8();
}

}  // namespace sentrel::doc
