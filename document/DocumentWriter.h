#pragma once

#include <QByteArray>

namespace sentrel::doc {

class Document;

// Writes a document in the definition file format (UTF-8 text).
class DocumentWriter {
  public:
    static QByteArray write(const Document& document);

  private:
    class Impl;
};

}  // namespace sentrel::doc
