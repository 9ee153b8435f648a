#include "srws/ServiceRequest.h"

namespace sentrel::srws {

namespace {

bool methodIs(const CgiRequest& request, const char* method) {
    return request.method.compare(QLatin1String(method), Qt::CaseInsensitive) == 0;
}

// Whether the content type's parameters allow UTF-8: no charset, or charset "utf-8" (also
// quoted, or "utf8"); other parameters are ignored.
bool charsetIsUtf8(const QString& contentType) {
    const QStringList parameters = contentType.split(QLatin1Char(';')).mid(1);
    for (const QString& parameter : parameters) {
        const QString name = parameter.section(QLatin1Char('='), 0, 0).trimmed();
        if (name.compare(QLatin1String("charset"), Qt::CaseInsensitive) != 0) continue;
        QString value = parameter.section(QLatin1Char('='), 1).trimmed();
        value.remove(QLatin1Char('"'));
        if (value.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) != 0 &&
            value.compare(QLatin1String("utf8"), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// The body's own reason to be refused, or an empty text when it can be decoded.
QString bodyProblem(const CgiRequest& request) {
    if (request.queryString.size() + request.body.size() > kMaxRequestBytes)
        return QStringLiteral("the request is larger than 64 KB");
    if (!request.contentLength.isEmpty() &&
        request.contentLength != QByteArray::number(request.body.size()))
        return QStringLiteral("the body does not have the length CONTENT_LENGTH gives");
    const QString type = request.contentType.section(QLatin1Char(';'), 0, 0).trimmed();
    if (!request.body.isEmpty() && !type.isEmpty() &&
        type.compare(QLatin1String("application/x-www-form-urlencoded"), Qt::CaseInsensitive))
        return QStringLiteral("the body is not application/x-www-form-urlencoded");
    if (!charsetIsUtf8(request.contentType)) return QStringLiteral("the body is not UTF-8");
    return QString();
}

// The report table a "t" value names.
const reportsdb::ReportTable* tableNamed(const QString& t) {
    static const char* const kNames[] = {"sns", "plt", "err"};  // in reportTables() order
    for (int i = 0; i < 3; ++i) {
        if (t.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return &reportsdb::reportTables()[i];
    }
    return nullptr;
}

RefusedRequest badRequest(const QString& reason) {
    return {400, reason};
}

}  // namespace

ServiceRequest parseRequest(const CgiRequest& request) {
    if (methodIs(request, "OPTIONS")) return PreflightRequest{};
    const bool post = methodIs(request, "POST");
    if (!post && !methodIs(request, "GET")) {
        return RefusedRequest{405, QStringLiteral("only GET and POST requests are served")};
    }
    const QString problem = post ? bodyProblem(request) : QString();
    if (!problem.isEmpty()) return badRequest(problem);
    if (request.queryString.size() > kMaxRequestBytes)
        return badRequest(QStringLiteral("the request is larger than 64 KB"));

    QString reason;
    const auto query = FormFields::decode(request.queryString, &reason);
    if (!query) return badRequest(QStringLiteral("bad query string: ") + reason);
    if (query->has(QStringLiteral("test"))) return StatusRequest{};
    FormFields fields = *query;
    if (post) {
        const auto body = FormFields::decode(request.body, &reason);
        if (!body) return badRequest(QStringLiteral("bad body: ") + reason);
        fields.append(*body);
    }
    const auto t = fields.value(QStringLiteral("t"));
    if (!t) return badRequest(QStringLiteral("the field \"t\" is missing"));
    const reportsdb::ReportTable* table = tableNamed(*t);
    if (!table) {
        return badRequest(QStringLiteral("unknown record kind t=\"") + t->left(40) +
                          QStringLiteral("\" (known: sns, plt, err)"));
    }
    return LogRequest{table, fields};
}

}  // namespace sentrel::srws
