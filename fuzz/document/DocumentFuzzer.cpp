// Feeds arbitrary bytes to the definition file reader. Every input must either load or fail
// with the damaged-document error; a document that loads must write out and read back to
// the very same text.
#include <cstdint>
#include <cstdlib>

#include "document/Document.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "shell/AppError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::unique_ptr<sentrel::doc::Document> document;
    try {
        document = sentrel::doc::DocumentReader::parse(bytes, QStringLiteral("fuzz"));
    } catch (const sentrel::AppError& e) {
        if (e.number() != sentrel::doc::kErrDocumentDamaged) std::abort();
        return 0;
    }
    const QByteArray written = sentrel::doc::DocumentWriter::write(*document);
    try {
        const auto again = sentrel::doc::DocumentReader::parse(written, QStringLiteral("again"));
        if (sentrel::doc::DocumentWriter::write(*again) != written) std::abort();
    } catch (const sentrel::AppError&) {
        std::abort();  // what the writer wrote must read back
    }
    return 0;
}
