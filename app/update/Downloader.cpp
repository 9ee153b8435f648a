#include "app/update/Downloader.h"

#include <QEventLoop>
#include <QLocale>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>
#include <algorithm>

#include "shell/AppError.h"

namespace sentrel::update {

namespace {

QString shown(const QUrl& url) {
    return url.toDisplayString(QUrl::PreferLocalFile | QUrl::RemovePassword);
}

QNetworkRequest requestFor(const QUrl& url, int timeoutMilliseconds) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMilliseconds);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);
    return request;
}

// Why a download stopped short, in the order the causes are told apart.
struct Stop {
    bool tooLarge = false;
    bool timedOut = false;
    QStringList tlsErrors;
};

AppError failure(const QNetworkReply& reply, const Stop& stop, qint64 maxBytes) {
    const QString where = shown(reply.request().url());
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (stop.tooLarge) {
        return AppError(AppError::kPathFileAccess,
                        QStringLiteral("%1 is larger than %2, more than definitions can be.")
                            .arg(where, QLocale::c().formattedDataSize(
                                            maxBytes, 0, QLocale::DataSizeTraditionalFormat)));
    }
    if (stop.timedOut || reply.error() == QNetworkReply::TimeoutError) {
        return AppError(AppError::kPathFileAccess,
                        QStringLiteral("The download of %1 timed out.").arg(where));
    }
    if (!stop.tlsErrors.isEmpty()) {
        return AppError(AppError::kPathFileAccess,
                        QStringLiteral("The identity of the server of %1 could not be verified: %2")
                            .arg(where, stop.tlsErrors.join(QStringLiteral("; "))));
    }
    if (reply.error() == QNetworkReply::ContentNotFoundError) {
        return AppError(AppError::kFileNotFound,
                        status ? QStringLiteral("The update source has no such file: %1 answered "
                                                "HTTP %2.")
                                     .arg(where)
                                     .arg(status)
                               : QStringLiteral("The update source has no such file: %1 does "
                                                "not exist.")
                                     .arg(where));
    }
    if (status >= 400) {
        return AppError(
            AppError::kPathFileAccess,
            QStringLiteral("%1 answered HTTP %2 %3.")
                .arg(where)
                .arg(status)
                .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    }
    return AppError(
        AppError::kPathFileAccess,
        QStringLiteral("%1 could not be downloaded: %2").arg(where, reply.errorString()));
}

}  // namespace

Downloader::Downloader(qint64 maxBytes, int timeoutMilliseconds)
    : maxBytes_(maxBytes), timeoutMilliseconds_(timeoutMilliseconds) {
    network_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

QByteArray Downloader::fetch(const QUrl& url) {
    std::unique_ptr<QNetworkReply> reply(network_.get(requestFor(url, timeoutMilliseconds_)));
    Stop stop;
    QEventLoop loop;
    QTimer stall;  // the transfer time-out as well, for the backends that ignore it
    stall.setSingleShot(true);
    stall.start(timeoutMilliseconds_);
    QObject::connect(&stall, &QTimer::timeout, reply.get(), [&] {
        stop.timedOut = true;
        reply->abort();
    });
    const auto checkSize = [&](qint64 size) {
        if (size <= maxBytes_) return;
        stop.tooLarge = true;
        reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, [&] {
        checkSize(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 got, qint64 total) {
        stall.start(timeoutMilliseconds_);
        checkSize(got);
        if (!stop.tooLarge && progress_) progress_(got, total);
    });
    QObject::connect(reply.get(), &QNetworkReply::sslErrors, [&](const QList<QSslError>& errors) {
        for (const QSslError& error : errors) stop.tlsErrors << error.errorString();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    // A local file's reply is finished at once, before any signal could tell its size.
    checkSize(std::max(reply->bytesAvailable(),
                       reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()));
    if (stop.tooLarge || stop.timedOut || reply->error() != QNetworkReply::NoError)
        throw failure(*reply, stop, maxBytes_);
    return reply->readAll();
}

std::optional<QByteArray> Downloader::fetchIfPresent(const QUrl& url) {
    try {
        return fetch(url);
    } catch (const AppError& error) {
        if (error.number() == AppError::kFileNotFound) return std::nullopt;
        throw;
    }
}

}  // namespace sentrel::update
