#include "document/Vocabulary.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "document/Document.h"

namespace sentrel::mainMod {

namespace {

const QString kSystemPrefix = QStringLiteral("i__");

// A name generated for a new type is this many stem characters plus the random suffix.
constexpr int kStemLength = 20;
constexpr quint32 kSuffixLow = 1000000;
constexpr quint32 kSuffixHigh = 10000000;  // exclusive: seven digits
// A suffix that keeps colliding means the document is pathological; give up rather than loop.
constexpr int kMaxNameDraws = 1000;

bool containsNoCase(const QStringList& list, const QString& name) {
    return list.contains(name, Qt::CaseInsensitive);
}

bool isAsciiLetter(QChar c) {
    return c >= u'a' && c <= u'z';
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Lower-case letters and digits of the description, in order.
QString stemOf(const QString& description) {
    QString stem;
    for (QChar c : description.toLower()) {
        if (isAsciiLetter(c) || isAsciiDigit(c)) stem.append(c);
    }
    return stem;
}

// The stem a new type's name starts with, or "" when the description is rejected.
QString nameStem(const QString& description, NewTypeKind kind) {
    QString stem = stemOf(description);
    if (stem.isEmpty()) return {};
    if (kind == NewTypeKind::Browser) {
        double ignored = 0;
        if (isSystemProperty(description) || toNumber(stem, QLocale::c(), &ignored)) return {};
        if (isAsciiDigit(stem.front())) stem.prepend(u'A');
    }
    return stem.left(kStemLength);
}

QString withSuffix(const QString& stem, NewTypeKind kind, quint32 suffix) {
    QString name = stem + QString::number(suffix);
    if (kind == NewTypeKind::Folder && !isAsciiLetter(name.front())) name.prepend(u'x');
    return name;
}

bool readNumber(const QString& text, const QLocale& locale, double* number) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return false;
    *number = value;
    return true;
}

// A two-digit year below this is 20xx, from it on 19xx.
constexpr int kTwoDigitYearPivot = 30;

QString withFourDigitYear(const QString& format) {
    if (format.contains(QLatin1String("yyyy"))) return format;
    return QString(format).replace(QLatin1String("yy"), QLatin1String("yyyy"));
}

// The format without its weekday ("dddd, MMMM d, yyyy" gives "MMMM d, yyyy").
QString withoutWeekday(const QString& format) {
    static const QRegularExpression weekday(QStringLiteral("d{3,4}[,.]?\\s*"));
    return QString(format).remove(weekday).trimmed();
}

// The format without a time zone at its end ("h:mm:ss AP t" gives "h:mm:ss AP").
QString withoutZone(const QString& format) {
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t\\)?$"));
    return QString(format).remove(zone);
}

// Date (and date-time) formats of a locale, short and long, the long ones also without the
// weekday and the time zone. Years are read with four digits: two-digit years are the
// business of readingsOfTwoDigitYears, as the formats would read them as 19xx.
QStringList dateFormatsOf(const QLocale& locale) {
    QStringList formats;
    for (auto length : {QLocale::ShortFormat, QLocale::LongFormat}) {
        for (const QString& format : {locale.dateTimeFormat(length), locale.dateFormat(length)}) {
            const QString full = withFourDigitYear(format);
            formats << full << withoutWeekday(full) << withoutZone(withoutWeekday(full));
        }
    }
    formats.removeDuplicates();
    return formats;
}

// The text with one of its two-digit numbers written as a four-digit year, for each such
// number in turn: 00-29 as 2000-2029, 30-99 as 1930-1999. Only a format's year takes four
// digits, so at most the reading whose number stands in the year's place fits a format.
QStringList readingsOfTwoDigitYears(const QString& text) {
    static const QRegularExpression twoDigits(QStringLiteral("(?<![0-9])[0-9]{2}(?![0-9])"));
    QStringList readings;
    for (auto it = twoDigits.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int year = match.captured().toInt();
        const int century = year < kTwoDigitYearPivot ? 2000 : 1900;
        readings << QString(text).replace(match.capturedStart(), 2,
                                          QString::number(century + year));
    }
    return readings;
}

// Dates are read as wall-clock times in UTC, so that the range check does not depend on the
// local zone and a time in a daylight-saving gap of that zone (which does not exist there)
// still reads. Only an explicit offset in the text moves the time.
QDateTime wallClock(const QDateTime& parsed) {
    if (!parsed.isValid()) return {};
    if (parsed.timeSpec() != Qt::LocalTime) return parsed.toUTC();
    return QDateTime(parsed.date(), parsed.time(), Qt::UTC);
}

QDateTime readWithFormat(const QString& text, const QLocale& locale, const QString& format) {
    const QDateTime parsed =
        locale.toDateTime(text + QLatin1String(" UTC"), format + QLatin1String(" t"));
    return parsed.isValid() ? parsed : wallClock(locale.toDateTime(text, format));
}

bool readDateTime(const QString& text, const QLocale& locale, QDateTime* dateTime) {
    const QStringList formats = dateFormatsOf(locale);
    for (const QString& reading : QStringList{text} + readingsOfTwoDigitYears(text)) {
        for (const QString& format : formats) {
            const QDateTime parsed = readWithFormat(reading, locale, format);
            if (parsed.isValid()) {
                *dateTime = parsed;
                return true;
            }
        }
    }
    return false;
}

bool readIsoDateTime(const QString& text, QDateTime* dateTime) {
    QDateTime parsed = QDateTime::fromString(text + u'Z', Qt::ISODate);
    if (!parsed.isValid()) parsed = wallClock(QDateTime::fromString(text, Qt::ISODate));
    if (!parsed.isValid()) {
        parsed = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0), Qt::UTC);
    }
    if (!parsed.isValid()) return false;
    *dateTime = parsed;
    return true;
}

bool isInDateRange(const QDateTime& dateTime) {
    static const QDateTime first(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC);
    static const QDateTime last(QDate(3000, 1, 1), QTime(0, 0), Qt::UTC);
    return dateTime >= first && dateTime <= last;
}

bool isIntegral(double number) {
    return std::trunc(number) == number;
}

}  // namespace

const QStringList& reservedTypeNames() {
    static const QStringList names = {QStringLiteral("Integer"), QStringLiteral("String"),
                                      QStringLiteral("Boolean"), QStringLiteral("Single"),
                                      QStringLiteral("Double"),  QStringLiteral("Datetime"),
                                      QStringLiteral("Filters"), QStringLiteral("FiltersArray"),
                                      QStringLiteral("Method"),  QStringLiteral("Internals")};
    return names;
}

const QStringList& versionPropertyNames() {
    static const QStringList names = {QStringLiteral("majorver"),    QStringLiteral("minorver"),
                                      QStringLiteral("minorverlet"), QStringLiteral("version"),
                                      QStringLiteral("fullversion"), QStringLiteral("versionpos")};
    return names;
}

const QStringList& systemPropertyNames() {
    static const QStringList names = {kDescriptionParam, kUserAgentParam, kTypeParam,
                                      kLastUpdateParam, kIconParam};
    return names;
}

const QStringList& dataTypeDisplayNames() {
    static const QStringList names = {QStringLiteral("String"), QStringLiteral("Boolean"),
                                      QStringLiteral("Integer"), QStringLiteral("Single"),
                                      QStringLiteral("DateTime")};
    return names;
}

const QStringList& filterFieldNames() {
    static const QStringList names = {QStringLiteral("propToSet"), QStringLiteral("matchStr"),
                                      QStringLiteral("valToSet"),  QStringLiteral("priority"),
                                      QStringLiteral("uId"),       QStringLiteral("filterType"),
                                      QStringLiteral("DataField")};
    return names;
}

const std::array<FilterKind, 4>& filterKinds() {
    static const std::array<FilterKind, 4> kinds = {{
        {0, QStringLiteral("Browser user agent"), QStringLiteral("UA")},
        {1, QStringLiteral("Cookie value"), QStringLiteral("Cookie")},
        {2, QStringLiteral("Server environment variable"), QStringLiteral("ENV")},
        {3, QStringLiteral("Client certificate"), QStringLiteral("Cert")},
    }};
    return kinds;
}

bool isBrowserType(const QString& name) {
    return !containsNoCase(reservedTypeNames(), name);
}

bool isSystemProperty(const QString& name) {
    return name.startsWith(kSystemPrefix, Qt::CaseInsensitive);
}

bool isVersionProperty(const QString& name) {
    return containsNoCase(versionPropertyNames(), name);
}

bool isProtectedProperty(const QString& name) {
    return isVersionProperty(name) || isSystemProperty(name);
}

bool isValidPropertyName(const QString& name) {
    // ASCII only: lower-casing maps a few other letters (the Kelvin sign) onto ASCII ones.
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString lower = name.toLower();
    if (!ascii || lower.isEmpty() || !isAsciiLetter(lower.front())) return false;
    return std::all_of(lower.begin(), lower.end(),
                       [](QChar c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == u'_'; });
}

bool toNumber(const QString& text, const QLocale& locale, double* number) {
    return readNumber(text, locale, number) || readNumber(text, QLocale::c(), number);
}

bool toDateTime(const QString& text, const QLocale& locale, QDateTime* dateTime) {
    const QString trimmed = text.trimmed();
    return readIsoDateTime(trimmed, dateTime) || readDateTime(trimmed, locale, dateTime) ||
           readDateTime(trimmed, QLocale::c(), dateTime);
}

bool isValidValue(const QString& value, const QString& typeName) {
    return isValidValue(value, typeName, QLocale::system());
}

bool isValidValue(const QString& value, const QString& typeName, const QLocale& locale) {
    if (value.isEmpty()) return true;
    const QString type = typeName.toLower();
    double number = 0;
    QDateTime dateTime;
    if (type == QLatin1String("string")) return true;
    if (type == QLatin1String("boolean")) {
        return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
               value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
    }
    if (type == QLatin1String("integer"))
        return toNumber(value, locale, &number) && isIntegral(number);
    // "double" has no rule of its own; it takes the rule of "single".
    if (type == QLatin1String("single") || type == QLatin1String("double")) {
        return toNumber(value, locale, &number);
    }
    if (type == QLatin1String("datetime")) {
        return toDateTime(value, locale, &dateTime) && isInDateRange(dateTime);
    }
    return false;
}

QString dateText(const QDateTime& dateTime) {
    return dateTime.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
}

int filterKindFromDisplay(const QString& displayName) {
    for (const FilterKind& kind : filterKinds()) {
        if (kind.displayName == displayName) return kind.code;
    }
    return 0;
}

QString filterKindNames(int code, QString& displayName) {
    for (const FilterKind& kind : filterKinds()) {
        if (kind.code == code) {
            displayName = kind.displayName;
            return kind.shortCode;
        }
    }
    return {};
}

QString filterDisplayFromShortCode(const QString& shortCode) {
    for (const FilterKind& kind : filterKinds()) {
        if (kind.shortCode == shortCode) return kind.displayName;
    }
    return {};
}

bool descriptionExists(const QString& description, doc::Document& document) {
    for (const QString& name : document.types()) {
        if (!isBrowserType(name)) continue;
        const doc::TypeObject& type = document.Path(name);
        if (!type.hasParameter(kDescriptionParam) || !type.hasParameter(kTypeParam)) continue;
        if (type.Path(kTypeParam).trimmed() == kTypeDeleted) continue;
        if (type.Path(kDescriptionParam).compare(description, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool isDescendant(const QString& ancestorName, const QString& typeName, doc::Document& document) {
    if (!document.hasType(typeName)) return false;
    const doc::TypeObject* type = &document.Path(typeName);
    if (type->Name().compare(kRootTypeName, Qt::CaseInsensitive) == 0) return false;
    for (const doc::TypeObject* base = type->getbasetype(); base; base = base->getbasetype()) {
        if (base->Name().compare(ancestorName, Qt::CaseInsensitive) == 0) return true;
        if (base->Name().compare(kRootTypeName, Qt::CaseInsensitive) == 0) return false;
    }
    return false;
}

quint32 randomNameSuffix() {
    return QRandomGenerator::global()->bounded(kSuffixLow, kSuffixHigh);
}

QString generateTypeName(const QString& description, NewTypeKind kind,
                         const doc::Document& document, const NameSuffixSource& drawSuffix) {
    const QString stem = nameStem(description, kind);
    if (stem.isEmpty()) return {};
    for (int draw = 0; draw < kMaxNameDraws; ++draw) {
        QString name = withSuffix(stem, kind, drawSuffix());
        if (!document.hasType(name)) return name;
    }
    return {};
}

}  // namespace sentrel::mainMod
