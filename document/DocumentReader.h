#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace sentrel::doc {

class Document;

// Reads the definition file format. Any byte sequence either gives a document or throws
// AppError kErrDocumentDamaged whose description names the line and what is wrong there.
class DocumentReader {
  public:
    // Reads the file; the document belongs to `path`. File errors as file_access::readAll.
    static std::unique_ptr<Document> read(const QString& path);
    // Parses file content; `shownName` names the file in error messages.
    static std::unique_ptr<Document> parse(const QByteArray& bytes, const QString& shownName);

  private:
    class Impl;
};

}  // namespace sentrel::doc
