#pragma once

#include <QString>

namespace sentrel {

// Whether a typed directory exists, and when the question itself fails, why.
struct DirectoryCheck {
    enum Result { Exists, Missing, InvalidName, Failed } result = Missing;
    int number = 0;       // Failed: the run-time error number (70 permission denied, else 75)
    QString description = {};  // Failed: the system's reason

    static DirectoryCheck of(const QString& path);
};

}  // namespace sentrel
