#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace sentrel::codegen {

// A date and time as a person reads it in a locale: its short date and its time with
// seconds, without the time zone ("12/6/26 11:34:05 PM" in the United States).
QString generalDateText(const QDateTime& when, const QLocale& locale);

// The current date and time in the user's locale.
QString currentGeneralDate();

}  // namespace sentrel::codegen
