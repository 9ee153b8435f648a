// Feeds arbitrary bytes to the definition file reader. Every input must either load or fail
// with the damaged-document error; a document that loads must write out and read back to
// the very same text, and must stay writable and readable after its types are deleted one
// by one (re-parenting derived types, refusing types still in use). Every value a type reads,
// before and after each deletion, must be the one found by walking its bases one by one.
#include <cstdint>
#include <cstdlib>

#include "document/Document.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "shell/AppError.h"

using sentrel::AppError;
using sentrel::doc::Document;
using sentrel::doc::DocumentReader;
using sentrel::doc::DocumentWriter;
using sentrel::doc::TypeObject;

namespace {

// Writes the document, reads it back and demands the same text again.
void requireRoundTrip(const Document& document) {
    const QByteArray written = DocumentWriter::write(document);
    try {
        const auto again = DocumentReader::parse(written, QStringLiteral("again"));
        if (DocumentWriter::write(*again) != written) std::abort();
    } catch (const AppError&) {
        std::abort();  // what the writer wrote must read back
    }
}

// The value a type reads, found the slow way.
QString walkedValue(const TypeObject& type, const QString& parameter) {
    for (const TypeObject* holder = &type; holder; holder = holder->getbasetype()) {
        const QString own = holder->ownValue(parameter);
        if (!own.isNull()) return own;
    }
    return QString();
}

void requireInheritedValues(Document& document) {
    for (const QString& name : document.types()) {
        const TypeObject& type = document.Path(name);
        const QStringList parameters = type.enumerate();
        const QStringList values = type.values();
        for (qsizetype i = 0; i < parameters.size(); ++i) {
            const QString expected = walkedValue(type, parameters[i]);
            if (type.Path(parameters[i]) != expected || values[i] != expected) std::abort();
        }
    }
}

void deleteEveryType(Document& document) {
    for (const QString& name : document.types()) {
        try {
            document.deleteType(name);
        } catch (const AppError& e) {
            if (e.number() != sentrel::doc::kErrTypeInUse) std::abort();
        }
        requireInheritedValues(document);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::unique_ptr<Document> document;
    try {
        document = DocumentReader::parse(bytes, QStringLiteral("fuzz"));
    } catch (const AppError& e) {
        if (e.number() != sentrel::doc::kErrDocumentDamaged) std::abort();
        return 0;
    }
    requireRoundTrip(*document);
    requireInheritedValues(*document);
    deleteEveryType(*document);
    requireRoundTrip(*document);
    return 0;
}
