#include "export/BddWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <new>
#include <string>

#include "detect/Scramble.h"
#include "document/Document.h"
#include "document/FileAccess.h"
#include "document/FilterOrder.h"
#include "document/Vocabulary.h"
#include "export/ExportBuffer.h"
#include "export/XmlEscape.h"
#include "shell/AppError.h"
#include "shell/Product.h"

namespace sentrel::exporting {

namespace {

const QString kUserPropertyExcluded = QStringLiteral("i__");
const QString kRootParent = QStringLiteral("None");
const QString kErrorSource = QStringLiteral("BddWriter");
constexpr int kOutOfMemory = 7;

const char* const kNotice[] = {
    "Browser definition data for the Sentrel browser detection component.",
    "Written by the Sentrel Editor from a browser definition file (.bdf).",
    "The detection component reads this file as it stands; do not edit it by hand.",
    "To change the definitions, edit the .bdf file and export it again.",
    "Every change made here is lost at the next export.",
};

void line(ExportBuffer& out, QByteArrayView bytes) {
    out.append(bytes);
    out.append(QByteArrayView("\r\n"));
}

void line(ExportBuffer& out, const QString& text) {
    out.append(QStringView(text));
    out.append(QByteArrayView("\r\n"));
}

// "<name>" + escaped value + "</name>", the element line of templates and filters.
QString element(const QString& name, const QString& value, const char* indent = "") {
    return QStringLiteral("%1<%2>%3</%2>").arg(QLatin1String(indent), name, escapeXmlText(value));
}

// 10 to 250 printable characters (codes 32 to 120) without "<", ">" or "-", so the comment
// that holds them can neither end early nor contain "--".
QByteArray filler(std::optional<quint32> seed) {
    QRandomGenerator random(seed ? *seed : QRandomGenerator::global()->generate());
    const int length = random.bounded(10, 251);
    QByteArray text;
    text.reserve(length);
    while (text.size() < length) {
        const char c = static_cast<char>(random.bounded(32, 121));
        if (c != '<' && c != '>' && c != '-') text.append(c);
    }
    return text;
}

QString filterKindCode(int kind) {
    QString displayName;
    return mainMod::filterKindNames(kind, displayName);
}

// Filters of documents older than structure 3 have no kind and no data field: they test the
// user agent.
bool hasFilterKinds(doc::Document& document) {
    const QString elementType = QStringLiteral("Filters");
    return document.hasType(elementType) &&
           document.Path(elementType).hasParameter(QStringLiteral("filterType"));
}

// The filter's number without leading zeros; 0 gives nothing, so its id is "K" alone.
QString filterNumber(int number) {
    return number == 0 ? QString() : QString::number(number);
}

bool isEntry(doc::TypeObject& type) {
    return type.hasParameter(mainMod::kTypeParam) &&
           type.Path(mainMod::kTypeParam).trimmed() == mainMod::kTypeBrowser;
}

}  // namespace

QStringList BddWriter::userProperties(doc::Document& document) {
    QStringList properties;
    for (const QString& name : document.DefaultBrowser().enumerate()) {
        if (!name.startsWith(kUserPropertyExcluded, Qt::CaseSensitive)) properties.append(name);
    }
    return properties;
}

int BddWriter::typeCode(const QString& dataType) {
    const QString type = dataType.toLower();
    if (type == QLatin1String("integer")) return 1;
    if (type == QLatin1String("boolean")) return 2;
    if (type == QLatin1String("single")) return 3;
    return 4;
}

QByteArray BddWriter::text(doc::Document& document) const {
    try {
        ExportBuffer out;
        writeHeader(out);
        line(out, QByteArrayView("<BrowserInfo>"));
        const QStringList properties = userProperties(document);
        writeProperties(document, properties, out);
        writeEntries(document, properties, out);
        writeFilters(document, out);
        writeVersion(out);
        line(out, QByteArrayView("</BrowserInfo>"));
        return out.take();
    } catch (const std::bad_alloc&) {
        throw AppError(kOutOfMemory, QStringLiteral("Out of memory"), kErrorSource);
    }
}

void BddWriter::writeHeader(ExportBuffer& out) const {
    line(out, QByteArrayView("<?xml version=\"1.0\"?>"));
    line(out, QByteArrayView());
    line(out, QByteArrayView("<!--"));
    for (const char* notice : kNotice) line(out, QByteArrayView(notice));
    line(out, QByteArrayView());
    line(out, QStringLiteral("Questions about this file: %1").arg(product::kSupportEmail));
    line(out, QByteArrayView());
    line(out, QByteArrayView("-->"));
    line(out, QByteArrayView());
    const QByteArray comment = "<!-- " + filler(fillerSeed_) + " -->";
    line(out, QByteArrayView(comment));
    line(out, QByteArrayView());
}

void BddWriter::writeProperties(doc::Document& document, const QStringList& properties,
                                ExportBuffer& out) const {
    const doc::TypeObject& root = document.DefaultBrowser();
    for (const QString& name : properties) {
        // The name is also an element name in every template block.
        if (!isXmlName(name)) {
            throw AppError(AppError::kPathFileAccess,
                           QStringLiteral("The property name \"%1\" cannot be written to a BDD "
                                          "file; rename the property")
                               .arg(name),
                           kErrorSource);
        }
        line(out, QStringLiteral("<Property name=\"%1\">").arg(escapeXmlAttribute(name)));
        line(out, QStringLiteral("<type>%1</type>").arg(typeCode(root.GetPropertyType(name))));
        line(out, QByteArrayView("</Property>"));
    }
}

void BddWriter::writeEntries(doc::Document& document, const QStringList& properties,
                             ExportBuffer& out) const {
    for (const QString& name : document.types()) {
        if (!mainMod::isBrowserType(name)) continue;
        doc::TypeObject& type = document.Path(name);
        if (isEntry(type)) writeEntry(type, properties, out);
    }
}

void BddWriter::writeEntry(const doc::TypeObject& entry, const QStringList& properties,
                           ExportBuffer& out) const {
    const doc::TypeObject* parent = entry.getbasetype();
    line(out,
         QStringLiteral("<BrowserTemplate name=\"%1\">").arg(escapeXmlAttribute(entry.Name())));
    line(out, element(QStringLiteral("matchString"), entry.Path(mainMod::kUserAgentParam)));
    line(out, element(QStringLiteral("parentID"), parent ? parent->Name() : kRootParent));
    line(out, element(QStringLiteral("desc"), entry.Path(mainMod::kDescriptionParam)));
    for (const QString& property : properties) line(out, element(property, entry.Path(property)));
    line(out, QByteArrayView("</BrowserTemplate>"));
}

void BddWriter::writeFilters(doc::Document& document, ExportBuffer& out) const {
    if (!document.hasProperty(QStringLiteral("FiltersArray"))) return;
    const doc::FiltersArray& filters = document.FiltersArray();
    const bool withKinds = hasFilterKinds(document);
    for (int i : doc::filter_order::byPriority(filters)) writeFilter(filters[i], withKinds, out);
}

void BddWriter::writeFilter(const doc::FilterElement& filter, bool withKinds,
                            ExportBuffer& out) const {
    const int kind = withKinds ? filter.number(QStringLiteral("filterType")) : 0;
    const QString dataField = withKinds ? filter.text(QStringLiteral("DataField")) : QString();
    const QString id = QStringLiteral("K") + filterNumber(filter.number(QStringLiteral("uId")));
    line(out, QStringLiteral("<filter id=\"%1\">").arg(escapeXmlAttribute(id)));
    line(out, element(QStringLiteral("priority"), filter.text(QStringLiteral("priority")), "  "));
    line(out, element(QStringLiteral("property"), filter.text(QStringLiteral("propToSet")), "  "));
    line(out, element(QStringLiteral("condition"), filter.text(QStringLiteral("matchStr")), "  "));
    line(out, element(QStringLiteral("valueToSet"), filter.text(QStringLiteral("valToSet")), "  "));
    line(out, element(QStringLiteral("type"), filterKindCode(kind), "  "));
    line(out, element(QStringLiteral("dataField"), dataField, "  "));
    line(out, QByteArrayView("</filter>"));
}

void BddWriter::writeVersion(ExportBuffer& out) const {
    line(out, QByteArrayView("<BDDInfo>"));
    line(out, element(QStringLiteral("BDDVersion"), version_.versionText()));
    line(out, element(QStringLiteral("BDDDate"), version_.dateText()));
    line(out, QByteArrayView("</BDDInfo>"));
}

int BddWriter::scramble(const QByteArray& text, QByteArray& scrambled) {
    std::string result;
    const int status =
        detect::ScrambleBytes(std::string_view(text.constData(), text.size()), result, true);
    if (status == 0) scrambled = QByteArray(result.data(), static_cast<qsizetype>(result.size()));
    return status;
}

void BddWriter::requireTargetBesideSource(const doc::Document& document, const QString& path) {
    const QString source = document.filePath();
    if (!source.isEmpty() &&
        QFileInfo(source).absoluteFilePath() == QFileInfo(path).absoluteFilePath()) {
        throw AppError(AppError::kPathFileAccess,
                       QStringLiteral("\"%1\" is the definition file itself; a BDD written there "
                                      "would destroy it")
                           .arg(QDir::toNativeSeparators(path)),
                       kErrorSource);
    }
}

QByteArray BddWriter::scrambledText(doc::Document& document) const {
    QByteArray scrambled;
    const int status = scramble(text(document), scrambled);
    if (status != 0) {
        throw AppError(status, QStringLiteral("Scrambling the BDD text failed"), kErrorSource);
    }
    return scrambled;
}

void BddWriter::writeFile(doc::Document& document, const QString& path) const {
    requireTargetBesideSource(document, path);
    doc::file_access::writeAll(path, scrambledText(document));
}

}  // namespace sentrel::exporting
