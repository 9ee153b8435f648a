#pragma once

#include <QString>

namespace sentrel {

// The three cache boxes of the Cache tab hold text; the options store them as numbers.

// A cache number as its box shows it: plain decimal digits.
QString cacheFieldText(qint32 number);
// The number a cache box holds, as it is saved. A box that holds no number from 0 to
// 2147483647 (empty, "abc", "-5", too large) gives `byDefault`: the value the box would show
// when the options are loaded again, rather than a zero or a wrapped-around number that the
// detection component would take literally. A fraction is rounded.
qint32 cacheFieldNumber(const QString& text, qint32 byDefault);

}  // namespace sentrel
