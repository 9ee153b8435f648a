#include "document/DocumentError.h"

#include "document/Document.h"
#include "shell/AppError.h"

namespace sentrel::doc {

void raiseDocumentError(int number, const QString& description) {
    throw AppError(number, description, QString::fromLatin1(kErrorSource));
}

void requireName(const QString& name, const char* what) {
    if (name.isEmpty()) {
        raiseDocumentError(kErrInvalidArgument,
                           QStringLiteral("A %1 name must not be empty.").arg(QLatin1String(what)));
    }
}

}  // namespace sentrel::doc
