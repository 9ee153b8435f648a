#include "reporting/webdirs/ApacheConfigParser.h"

namespace sentrel::webdirs {

namespace {

struct Line {
    QString text;
    int number = 0;  // where the line starts
};

// The file's lines with continuations joined and comments and blank lines left out.
QList<Line> logicalLines(const QString& text) {
    QList<Line> lines;
    const QStringList physical = text.split(QLatin1Char('\n'));
    QString pending;
    int start = 0;
    for (int i = 0; i < physical.size(); ++i) {
        QString line = physical[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (pending.isEmpty()) start = i + 1;
        if (line.endsWith(QLatin1Char('\\'))) {
            pending += line.left(line.size() - 1);
            continue;
        }
        const QString whole = (pending + line).trimmed();
        pending.clear();
        if (!whole.isEmpty() && !whole.startsWith(QLatin1Char('#'))) lines.append({whole, start});
    }
    if (!pending.trimmed().isEmpty()) lines.append({pending.trimmed(), start});
    return lines;
}

// Splits a line into words; false when a quote is never closed.
bool splitWords(const QString& text, QStringList& words) {
    int i = 0;
    const int n = text.size();
    while (true) {
        while (i < n && text[i].isSpace()) ++i;
        if (i >= n) return true;
        const QChar quote = text[i];
        QString word;
        if (quote == QLatin1Char('"') || quote == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            for (; i < n; ++i) {
                if (text[i] == QLatin1Char('\\') && i + 1 < n &&
                    (text[i + 1] == quote || text[i + 1] == QLatin1Char('\\'))) {
                    word += text[++i];
                } else if (text[i] == quote) {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word += text[i];
                }
            }
            words.append(word);
            if (!closed) return false;
        } else {
            while (i < n && !text[i].isSpace()) word += text[i++];
            words.append(word);
        }
    }
}

class Reader {
  public:
    explicit Reader(const QString& fileName) : fileName_(fileName) {}

    ApacheConfigParser::Result read(const QString& text) {
        for (const Line& line : logicalLines(text)) readLine(line);
        while (!open_.isEmpty()) {
            const ApacheDirective section = open_.takeLast();
            problem(section.line, QStringLiteral("<%1> is never closed").arg(section.name));
            append(section);
        }
        return std::move(result_);
    }

  private:
    void readLine(const Line& line) {
        if (line.text.startsWith(QLatin1String("</"))) return closeSection(line);
        ApacheDirective directive;
        directive.file = fileName_;
        directive.line = line.number;
        QString text = line.text;
        if (text.startsWith(QLatin1Char('<'))) {
            if (!text.endsWith(QLatin1Char('>'))) {
                problem(line.number, QStringLiteral("missing closing '>' in \"%1\"").arg(text));
                return;
            }
            text = text.mid(1, text.size() - 2);
            directive.section = true;
        }
        QStringList words;
        if (!splitWords(text, words)) {
            problem(line.number, QStringLiteral("unclosed quote in \"%1\"").arg(line.text));
            return;
        }
        if (words.isEmpty()) {
            problem(line.number, QStringLiteral("empty section tag \"%1\"").arg(line.text));
            return;
        }
        directive.name = words.takeFirst();
        directive.args = words;
        if (directive.section) {
            open_.append(directive);
        } else {
            append(directive);
        }
    }

    void closeSection(const Line& line) {
        QString name = line.text.mid(2);
        if (name.endsWith(QLatin1Char('>'))) name.chop(1);
        name = name.trimmed();
        if (open_.isEmpty() || open_.last().name.compare(name, Qt::CaseInsensitive) != 0) {
            problem(line.number, QStringLiteral("</%1> without matching <%1> section").arg(name));
            return;
        }
        append(open_.takeLast());
    }

    void append(const ApacheDirective& directive) {
        if (open_.isEmpty()) {
            result_.directives.append(directive);
        } else {
            open_.last().children.append(directive);
        }
    }

    void problem(int line, const QString& what) {
        result_.problems.append(
            QStringLiteral("%1 line %2: %3").arg(fileName_).arg(line).arg(what));
    }

    QString fileName_;
    QList<ApacheDirective> open_;
    ApacheConfigParser::Result result_;
};

}  // namespace

ApacheConfigParser::Result ApacheConfigParser::parse(const QByteArray& text,
                                                     const QString& fileName) {
    return Reader(fileName).read(QString::fromUtf8(text));
}

}  // namespace sentrel::webdirs
