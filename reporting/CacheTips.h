#pragma once

#include <QString>
#include <QStringList>

namespace sentrel {

// The notes window that "Important Notes..." on the Cache tab shows.
inline const QString kCacheTipsCaption =
    QStringLiteral(" Important notes on Norvane Prontache(tm) ");

// The lines of the notes, in order; empty strings are empty lines, trailing blanks belong to
// the lines.
const QStringList& cacheTipsLines();
// The notes as one text: every line ended by CR LF.
QString cacheTipsText();

}  // namespace sentrel
