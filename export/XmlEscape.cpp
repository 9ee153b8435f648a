#include "export/XmlEscape.h"

namespace sentrel::exporting {

namespace {

QString escape(const QString& text, bool attribute) {
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'&':
                out += QLatin1String("&amp;");
                break;
            case u'<':
                out += QLatin1String("&lt;");
                break;
            case u'>':
                out += QLatin1String("&gt;");
                break;
            case u'"':
                out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}

bool isNameChar(QChar c) {
    return isNameStart(c) || c.isDigit() || c == u'-' || c == u'.';
}

}  // namespace

QString escapeXmlText(const QString& text) {
    return escape(text, false);
}

QString escapeXmlAttribute(const QString& text) {
    return escape(text, true);
}

bool isXmlName(const QString& name) {
    if (name.isEmpty() || !isNameStart(name.front())) return false;
    for (const QChar c : name) {
        if (!isNameChar(c)) return false;
    }
    return true;
}

}  // namespace sentrel::exporting
