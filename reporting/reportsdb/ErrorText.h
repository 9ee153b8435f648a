#pragma once

#include <QSqlError>
#include <QString>

namespace sentrel::reportsdb {

// The description of a database failure: `text`, then for each line of the driver's reason
// CR + "[" + source + "] " + that line (the driver's own summary when it gives no reason);
// PostgreSQL's echo of the statement (LINE, caret and error code lines) is left out.
// `password` is removed from the result (see withoutPassword).
QString errorText(const QString& text, const QString& source, const QSqlError& error,
                  const QString& password);

// `text` with every "password=..." option and every occurrence of `password` replaced by
// "********", so that no message shows the password in clear.
QString withoutPassword(QString text, const QString& password);

}  // namespace sentrel::reportsdb
