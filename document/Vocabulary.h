#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace sentrel::doc {
class Document;
}

// The names, codes and value rules shared by every editing operation: which types are
// browsers, which parameters are system or version properties, how names and values are
// checked, how new type names are made, and the filter kinds. Pure functions, no state.
namespace sentrel::mainMod {

// The root type every browser and folder derives from.
inline const QString kRootTypeName = QStringLiteral("DefaultBrowser");

// The system parameters the editor uses (all stored as strings).
inline const QString kDescriptionParam = QStringLiteral("i__description");
inline const QString kUserAgentParam = QStringLiteral("i__userAgent");
inline const QString kTypeParam = QStringLiteral("i__type");
inline const QString kLastUpdateParam = QStringLiteral("i__lastupd");
inline const QString kIconParam = QStringLiteral("i__icon");

// Values of `i__type`.
inline const QString kTypeBrowser = QStringLiteral("0");
inline const QString kTypeFolder = QStringLiteral("2");
inline const QString kTypeDeleted = QStringLiteral("-1");

// Type names that are data or internal types, never browsers (compared without case).
const QStringList& reservedTypeNames();
// The six version property names, lower case.
const QStringList& versionPropertyNames();
// The five system property names above, in the order the editor creates them.
const QStringList& systemPropertyNames();
// Data type display names in the order the property dialog offers them:
// "String", "Boolean", "Integer", "Single", "DateTime".
const QStringList& dataTypeDisplayNames();

// The filter record's fields in the order of `valuearray` rows.
const QStringList& filterFieldNames();

struct FilterKind {
    int code;
    QString displayName;
    QString shortCode;
};
// Codes 0..3: "UA", "Cookie", "ENV", "Cert".
const std::array<FilterKind, 4>& filterKinds();

bool isBrowserType(const QString& name);
bool isSystemProperty(const QString& name);
bool isVersionProperty(const QString& name);
bool isProtectedProperty(const QString& name);
// A letter first, then letters, digits or "_" (letters of either case).
bool isValidPropertyName(const QString& name);

// Checks a value against a data type name ("string", "boolean", "integer", "single",
// "double", "datetime", any case). Numbers and dates are read in the system locale, and in
// the C locale / ISO 8601 as well.
bool isValidValue(const QString& value, const QString& typeName);
bool isValidValue(const QString& value, const QString& typeName, const QLocale& locale);

// Number and date reading used by the value check, for callers that need the value too.
// Non-finite numbers ("inf", "nan") are not numbers.
bool toNumber(const QString& text, const QLocale& locale, double* number);
// A date, with or without time; ISO 8601 or the locale's short or long formats (long ones
// also without the weekday). Two-digit years are 2000-2029 for 00-29, 1930-1999 for 30-99.
bool toDateTime(const QString& text, const QLocale& locale, QDateTime* dateTime);

// "Cookie value" 1, "Server environment variable" 2, "Client certificate" 3, else 0.
int filterKindFromDisplay(const QString& displayName);
// The short code of a kind and its display name in `displayName`; an unknown code answers
// "" and leaves `displayName` alone.
QString filterKindNames(int code, QString& displayName);
// "UA", "Cookie", "ENV", "Cert" give their display names; anything else "".
QString filterDisplayFromShortCode(const QString& shortCode);

// True when a live browser type or folder (not deleted) of the document has this
// description, compared without case.
bool descriptionExists(const QString& description, doc::Document& document);

// True when `ancestorName` is found walking the bases of `typeName` up to the root
// (exclusive of the type itself); false for the root itself and for unknown types.
bool isDescendant(const QString& ancestorName, const QString& typeName, doc::Document& document);

// A date as definition files store it (`i__lastupd`, the file's last update, DateTime
// values): ISO 8601 without a zone, "yyyy-MM-ddTHH:mm:ss".
QString dateText(const QDateTime& dateTime);

enum class NewTypeKind { Browser, Folder };
// Draws the seven-digit number a generated type name ends in, 1000000 to 9999999.
using NameSuffixSource = std::function<quint32()>;
// The random draw generateTypeName uses unless it is given another source.
quint32 randomNameSuffix();
// A fresh type name for a new browser or folder with this description: up to 20 letters
// and digits of the description plus seven random digits, never a name the document
// already has (a taken one is drawn again). "" when the description cannot make a name.
QString generateTypeName(const QString& description, NewTypeKind kind,
                         const doc::Document& document,
                         const NameSuffixSource& drawSuffix = randomNameSuffix);

}  // namespace sentrel::mainMod
