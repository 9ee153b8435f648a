#include "document/DocumentReader.h"

#include <QDir>
#include <QStringDecoder>
#include <array>

#include "document/DocumentFormat.h"
#include "document/DocumentState.h"
#include "document/FieldCodec.h"
#include "document/FileAccess.h"
#include "shell/AppError.h"

namespace sentrel::doc {

namespace {

// A fault of the line being read; the reader adds the file name and line number.
struct LineFault {
    QString what;
};

[[noreturn]] void fault(const QString& what) {
    throw LineFault{what};
}

constexpr int kMaxFields = 3;

// The fields of a line after its keyword: up to `count`, the last one taking the rest of
// the line, spaces included.
struct Fields {
    std::array<QString, kMaxFields> values;
    int size = 0;

    const QString& at(int i) const { return values[static_cast<size_t>(i)]; }
    // The field, or "" when the line ends before it.
    QString optional(int i) const { return i < size ? at(i) : QString(); }
};

QString unescaped(QStringView field) {
    std::optional<QString> text = field_codec::unescape(field);
    if (!text) fault(QStringLiteral("malformed escape sequence in \"%1\"").arg(field));
    return *text;
}

Fields splitFields(QStringView rest, int count) {
    Fields fields;
    while (fields.size < count - 1) {
        const qsizetype space = rest.indexOf(u' ');
        if (space < 0) break;
        fields.values[static_cast<size_t>(fields.size++)] = unescaped(rest.left(space));
        rest = rest.mid(space + 1);
    }
    if (!rest.isEmpty() || fields.size > 0) {
        fields.values[static_cast<size_t>(fields.size++)] = unescaped(rest);
    }
    return fields;
}

QStringView withoutIndent(QStringView line) {
    qsizetype i = 0;
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) ++i;
    return line.mid(i);
}

// The fault of the last line of a file cut short, in place of what its remnant reads as.
const QString kBreaksOff =
    QStringLiteral("the file breaks off in this line, before its \"end\" line: it is incomplete");

// Stateless: a character cut off at the very end is an error, not silently dropped.
QString decodedUtf8(QByteArrayView bytes, bool* valid) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    *valid = !decoder.hasError();
    return text;
}

// Lines as the reader counts them: a last line without a line break counts, an empty
// remainder after the last line break does not.
int lineCount(QByteArrayView bytes) {
    return static_cast<int>(bytes.count('\n')) + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
}

int lineOfFirstInvalidUtf8(QByteArrayView bytes) {
    int line = 1;
    for (const QByteArray& text : bytes.toByteArray().split('\n')) {
        bool valid = false;
        decodedUtf8(text, &valid);
        if (!valid) return line;
        ++line;
    }
    return line;
}

// True when some line of the bytes is the "end" record.
bool hasEndLine(QByteArrayView bytes) {
    for (const QByteArray& line : bytes.toByteArray().split('\n')) {
        if (line.trimmed() == QByteArrayView(format::kEnd.data(), format::kEnd.size())) return true;
    }
    return false;
}

}  // namespace

class DocumentReader::Impl {
  public:
    explicit Impl(Document& document) : document_(document) {}

    void parse(QStringView text) {
        qsizetype pos = 0;
        while (pos < text.size()) {
            qsizetype newline = text.indexOf(u'\n', pos);
            const bool brokenOff = newline < 0;
            if (brokenOff) newline = text.size();
            QStringView line = text.mid(pos, newline - pos);
            if (line.endsWith(u'\r')) line.chop(1);
            ++lineNumber_;
            pos = newline + 1;
            if (brokenOff) {
                readBrokenLine(line);
            } else {
                readLine(line);
            }
        }
        if (lineNumber_ == 0) fault(QStringLiteral("the file is empty"));
        if (ended_) return;
        if (!text.endsWith(u'\n')) fault(kBreaksOff);
        ++lineNumber_;
        fault(QStringLiteral("the file ends before its \"end\" line: it is incomplete"));
    }

    int lineNumber() const { return lineNumber_; }

  private:
    // A last line without its line break is where a file cut short breaks off; what is left
    // of it may read as some other fault (an unknown record, a parameter that does not
    // exist), so say what happened instead.
    void readBrokenLine(QStringView line) {
        if (lineNumber_ == 1) {
            if ((format::kMagic + QLatin1Char(' ')).startsWith(line)) fault(kBreaksOff);
            return readHeader(line);  // anything else is no definitions document at all
        }
        const bool brokenRecord = !ended_ && !withoutIndent(line).startsWith(format::kEnd);
        try {
            return readLine(line);
        } catch (const LineFault&) {
            if (!brokenRecord) throw;
        } catch (const AppError&) {
            if (!brokenRecord) throw;
        }
        fault(kBreaksOff);
    }

    void readLine(QStringView line) {
        if (lineNumber_ == 1) return readHeader(line);
        line = withoutIndent(line);
        if (line.isEmpty() || line.startsWith(u'#')) return;
        if (ended_) fault(QStringLiteral("text after the \"end\" line"));
        const qsizetype space = line.indexOf(u' ');
        const QStringView keyword = space < 0 ? line : line.left(space);
        const QStringView rest = space < 0 ? QStringView() : line.mid(space + 1);
        dispatch(keyword, rest);
    }

    void readHeader(QStringView line) {
        const QString expected = format::kMagic + QLatin1Char(' ');
        if (!line.startsWith(expected)) {
            fault(QStringLiteral("the file does not begin with \"%1\": it is not a definitions "
                                 "document")
                      .arg(format::kMagic));
        }
        bool ok = false;
        const int version = line.mid(expected.size()).toInt(&ok);
        if (!ok || version < 1) {
            fault(QStringLiteral("\"%1\" is not a format version number")
                      .arg(line.mid(expected.size())));
        }
        if (version > format::kVersion) {
            fault(QStringLiteral("format version %1 was written by a newer program; this one "
                                 "reads version %2")
                      .arg(version)
                      .arg(format::kVersion));
        }
    }

    void dispatch(QStringView keyword, QStringView rest) {
        if (keyword == format::kValue) return readValue(splitFields(rest, 2));
        if (keyword == format::kType) return readType(splitFields(rest, 3));
        if (keyword == format::kField) return readField(splitFields(rest, 2));
        if (keyword == format::kItem) return readItem(splitFields(rest, 1));
        if (keyword == format::kParam) return readParam(splitFields(rest, 2));
        if (keyword == format::kProperty) return readProperty(splitFields(rest, 2));
        if (keyword == format::kLru) return readLru(splitFields(rest, 1));
        if (keyword == format::kEnd) return readEnd(rest);
        fault(QStringLiteral("unknown record \"%1\"").arg(keyword));
    }

    static void requireFields(const Fields& fields, int count, QLatin1StringView record) {
        if (fields.size < count) {
            fault(QStringLiteral("the \"%1\" record lacks a field").arg(record));
        }
    }

    void readType(const Fields& fields) {
        requireFields(fields, 2, format::kType);
        currentItem_ = nullptr;
        const QString& name = fields.at(0);
        const QString& kind = fields.at(1);
        const QString reference = fields.optional(2);
        if (kind == format::kInherited) {
            currentType_ = reference.isEmpty() ? &document_.addTypeObject(
                                                     name, TypeObject::Kind::Inherited, nullptr)
                                               : &document_.AddInheritedType(name, reference);
        } else if (kind == format::kArray) {
            if (reference.isEmpty()) fault(QStringLiteral("the array type names no element type"));
            currentType_ = &document_.addArrayType(name, reference);
        } else {
            currentType_ = &document_.addTypeObject(name, simpleKind(kind), nullptr);
            if (!reference.isEmpty()) {
                fault(QStringLiteral("a %1 type refers to no other type").arg(kind));
            }
        }
    }

    static TypeObject::Kind simpleKind(const QString& kind) {
        if (kind == format::kData) return TypeObject::Kind::Data;
        if (kind == format::kStandalone) return TypeObject::Kind::Standalone;
        fault(QStringLiteral("unknown type kind \"%1\"").arg(kind));
    }

    TypeObject& requireCurrentType(QLatin1StringView record) const {
        if (!currentType_) fault(QStringLiteral("a \"%1\" record outside a type").arg(record));
        return *currentType_;
    }

    void readParam(const Fields& fields) {
        requireFields(fields, 1, format::kParam);
        requireCurrentType(format::kParam).AddProperty(fields.at(0), fields.optional(1));
    }

    void readValue(const Fields& fields) {
        requireFields(fields, 1, format::kValue);
        TypeObject& type = requireCurrentType(format::kValue);
        if (!type.ownValue(fields.at(0)).isNull()) {
            fault(QStringLiteral("the type \"%1\" already has a value for the parameter \"%2\"")
                      .arg(type.Name(), fields.at(0)));
        }
        type.SetParamDefValue(fields.at(0), fields.optional(1));
    }

    void readProperty(const Fields& fields) {
        requireFields(fields, 2, format::kProperty);
        leaveBlocks();
        document_.AddProperty(fields.at(0), fields.at(1));
    }

    void readItem(const Fields& fields) {
        requireFields(fields, 1, format::kItem);
        leaveBlocks();
        DocumentProperty* property = document_.state_->findProperty(fields.at(0));
        if (!property) fault(QStringLiteral("no property \"%1\" is declared").arg(fields.at(0)));
        if (!property->array) {
            fault(QStringLiteral("the property \"%1\" holds no items").arg(fields.at(0)));
        }
        currentItem_ = &(*property->array)[property->array->Add()];
    }

    void readField(const Fields& fields) {
        requireFields(fields, 1, format::kField);
        if (!currentItem_) fault(QStringLiteral("a \"field\" record outside an item"));
        if (currentItem_->values_.contains(fields.at(0).toLower())) {
            fault(QStringLiteral("the item already has a field \"%1\"").arg(fields.at(0)));
        }
        currentItem_->set(fields.at(0), fields.optional(1));
    }

    void readLru(const Fields& fields) {
        leaveBlocks();
        StringArray& names = document_.lru().bdfName;
        names.setItem(names.Add(), fields.optional(0));
    }

    void readEnd(QStringView rest) {
        if (!rest.isEmpty()) fault(QStringLiteral("the \"end\" line holds more text"));
        ended_ = true;
    }

    void leaveBlocks() {
        currentType_ = nullptr;
        currentItem_ = nullptr;
    }

    Document& document_;
    int lineNumber_ = 0;
    bool ended_ = false;
    TypeObject* currentType_ = nullptr;
    FilterElement* currentItem_ = nullptr;
};

std::unique_ptr<Document> DocumentReader::read(const QString& path) {
    std::unique_ptr<Document> document = parse(file_access::readAll(path), path);
    document->path_ = path;
    return document;
}

std::unique_ptr<Document> DocumentReader::parse(const QByteArray& bytes, const QString& shownName) {
    auto damaged = [&](int line, const QString& what) {
        return AppError(kErrDocumentDamaged,
                        QStringLiteral("\"%1\" is damaged or not a definitions document: line %2: "
                                       "%3.")
                            .arg(QDir::toNativeSeparators(shownName))
                            .arg(line)
                            .arg(what),
                        QString::fromLatin1(kErrorSource));
    };
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArrayView content = bytes.startsWith(bom) ? QByteArrayView(bytes).sliced(3) : bytes;
    bool valid = false;
    const QString text = decodedUtf8(content, &valid);
    if (!valid) {
        const int line = lineOfFirstInvalidUtf8(content);
        const bool cutShort =
            !content.endsWith('\n') && line == lineCount(content) && !hasEndLine(content);
        throw damaged(line, cutShort ? kBreaksOff : QStringLiteral("the text is not valid UTF-8"));
    }
    std::unique_ptr<Document> document(new Document());
    Impl reader(*document);
    try {
        reader.parse(text);
    } catch (const LineFault& f) {
        throw damaged(reader.lineNumber(), f.what);
    } catch (const AppError& e) {
        QString what = e.description();
        if (what.endsWith(u'.')) what.chop(1);
        throw damaged(reader.lineNumber(), what);
    }
    return document;
}

}  // namespace sentrel::doc
