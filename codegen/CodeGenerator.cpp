#include "codegen/CodeGenerator.h"

#include <QHash>
#include <QStringList>

#include "codegen/CodeTemplate.h"

namespace sentrel::codegen {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool containsAny(const QString& text, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (text.contains(QLatin1String(name), Qt::CaseSensitive)) return true;
    }
    return false;
}

// The conditions that hold for these inputs.
unsigned conditionsOf(const CodeInputs& inputs) {
    const QString& ext = inputs.extList;
    unsigned holding = Always;
    if (!ext.isEmpty()) holding |= E;
    if (containsAny(ext, {"Plugin_Custom"})) holding |= PC;
    if (containsAny(ext, {"OpenPorts"})) holding |= OP;
    if (containsAny(ext, {"FontsInstalled"})) holding |= FI;
    if (containsAny(ext, {"MSJVMBuild", "JavaVendor", "JavaVersion"})) holding |= J;
    if (inputs.propertiesToLog.split(QLatin1Char(',')).contains(QStringLiteral("Country"))) {
        holding |= C;
    }
    return holding;
}

QHash<QString, QString> placeholdersOf(const CodeTemplate& page, const CodeInputs& inputs) {
    QString doubledColour = inputs.colour;
    doubledColour.replace(QLatin1Char('#'), QStringLiteral("##"));
    const QString extObject = inputs.extList.isEmpty() ? QString::fromLatin1(page.emptyExtObject)
                                                       : QStringLiteral("extBrow");
    return {
        {QStringLiteral("date"), inputs.date},
        {QStringLiteral("ext list"), inputs.extList},
        {QStringLiteral("properties to log"), inputs.propertiesToLog},
        {QStringLiteral("SRWS location"), inputs.srwsLocation},
        {QStringLiteral("title"), inputs.title},
        {QStringLiteral("message"), inputs.message},
        {QStringLiteral("colour"), inputs.colour},
        {QStringLiteral("colour with # doubled"), doubledColour},
        {QStringLiteral("ext object"), extObject},
        {QStringLiteral("example address"), kExampleSrwsAddress},
    };
}

// Replaces each "{name}" of a known placeholder in one pass, so inserted texts are never
// scanned again.
QString filledIn(const QString& line, const QHash<QString, QString>& values) {
    QString result;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = line.indexOf(QLatin1Char('{'), from);
        const qsizetype close = open < 0 ? -1 : line.indexOf(QLatin1Char('}'), open);
        if (close < 0) break;
        const auto value = values.constFind(line.mid(open + 1, close - open - 1));
        const qsizetype next = value == values.cend() ? open + 1 : close + 1;
        result += line.mid(from, open - from);
        result += value == values.cend() ? QStringLiteral("{") : *value;
        from = next;
    }
    return result + line.mid(from);
}

}  // namespace

QString generateCode(CodeLanguage language, const CodeInputs& inputs) {
    const CodeTemplate& page = templateFor(language);
    const unsigned holding = conditionsOf(inputs);
    const QHash<QString, QString> values = placeholdersOf(page, inputs);
    QString code;
    for (const TemplateLine& line : page.lines) {
        if ((line.when & ~holding) != 0) continue;
        code += filledIn(QString::fromUtf8(line.text), values) + kLineEnd;
    }
    return code;
}

QString generateClassicASP(const CodeInputs& inputs) {
    return generateCode(CodeLanguage::ClassicASP, inputs);
}
QString generateASPCSharp(const CodeInputs& inputs) {
    return generateCode(CodeLanguage::CSharp, inputs);
}
QString generateASPVBNET(const CodeInputs& inputs) {
    return generateCode(CodeLanguage::VBNet, inputs);
}
QString generateCFMX(const CodeInputs& inputs) {
    return generateCode(CodeLanguage::CFMX, inputs);
}
QString generateJSP(const CodeInputs& inputs) {
    return generateCode(CodeLanguage::JSP, inputs);
}
QString generateServlets(const CodeInputs& inputs) {
    return generateCode(CodeLanguage::Servlets, inputs);
}

}  // namespace sentrel::codegen
