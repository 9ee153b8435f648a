#include "reporting/CacheTips.h"

namespace sentrel {

const QStringList& cacheTipsLines() {
    static const QStringList lines = {
        QStringLiteral("* Sentrel dynamically allocates and releases memory as needed for the "
                       "cache, "),
        QStringLiteral("up to the amount specified in the maximum field."),
        QString(),
        QStringLiteral("*  If you use the component under IIS within virtual directories marked "
                       "to run in their "),
        QStringLiteral("own address space (isolated processes), each isolated process will have "
                       "its own "),
        QStringLiteral("cache. In other words if you use the object from 2 isolated processes, "
                       "the maximum "),
        QStringLiteral("memory allocated is 2 times the amount specified in this field."),
        QString(),
        QStringLiteral("* Virtual directories *not* configured to run in separate address "
                       "spaces, on the other "),
        QStringLiteral("hand, all share the same cache and the memory usage is not a multiple of "
                       "the number "),
        QStringLiteral("of virtual directories."),
        QString(),
        QStringLiteral("* The Recommend My Settings option uses a 12 hour cache as its basis.  We "
                       "have found "),
        QStringLiteral("this to be an ideal period. However, if you wish to use a less aggressive "
                       "cache (and therefore "),
        QStringLiteral("less memory), consider cutting all recommended  numbers in half (for a 6 "
                       "hour cache) or less."),
        QString(),
        QStringLiteral("* A properly configured cache should result in a 85% or higher cache hit "
                       "ratio. There are properties available within Sentrel that expose "
                       "statistics about your cache performance if you wish to monitor and fine "
                       "tune it."),
    };
    return lines;
}

QString cacheTipsText() {
    QString text;
    for (const QString& line : cacheTipsLines()) text += line + QStringLiteral("\r\n");
    return text;
}

}  // namespace sentrel
