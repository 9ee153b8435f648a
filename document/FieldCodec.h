#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace sentrel::doc {

// Escaping of the text fields of a definition file line. Fields are separated by one
// space; every field is escaped so that no line ever holds a raw line break, tab or other
// control character, and fields before the last one hold no raw space:
//   \\ backslash   \n line feed   \r carriage return   \t tab   \s space
//   \xHH another control character   \uHHHH a lone surrogate or a Unicode line separator
// The last field of a line keeps its spaces, except a trailing one, which is written as
// \s so that editors that strip trailing blanks change nothing.
namespace field_codec {

enum class Position { Inner, Last };

// Appends `text` escaped to `out`.
void appendEscaped(QString& out, QStringView text, Position position);
// The text of an escaped field, or nullopt when it holds a malformed escape sequence.
std::optional<QString> unescape(QStringView field);

}  // namespace field_codec
}  // namespace sentrel::doc
