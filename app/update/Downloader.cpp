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

AppError failure(const QNetworkReply& reply, const Downloader::Stop& stop, qint64 maxBytes) {
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
    QTimer stall;  // the transfer time-out as well, for the backends that ignore it
    watch(*reply, stop, stall);
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // A local file's reply is finished at once, before any signal could tell its size.
    stopWhenTooLarge(*reply, stop,
                     std::max(reply->bytesAvailable(),
                              reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()));
    if (stop.tooLarge || stop.timedOut || reply->error() != QNetworkReply::NoError)
        throw failure(*reply, stop, maxBytes_);
    return reply->readAll();
}

void Downloader::stopWhenTooLarge(QNetworkReply& reply, Stop& stop, qint64 size) const {
    if (size <= maxBytes_) return;
    stop.tooLarge = true;
    reply.abort();
}

// Follows the download: its size (announced and received), its progress (which restarts the
// stall timer) and the certificate errors that make Qt refuse the connection.
void Downloader::watch(QNetworkReply& reply, Stop& stop, QTimer& stall) {
    stall.setSingleShot(true);
    stall.start(timeoutMilliseconds_);
    QObject::connect(&stall, &QTimer::timeout, &reply, [&] {
        stop.timedOut = true;
        reply.abort();
    });
    QObject::connect(&reply, &QNetworkReply::metaDataChanged, [&] {
        stopWhenTooLarge(reply, stop,
                         reply.header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    QObject::connect(&reply, &QNetworkReply::downloadProgress, [&](qint64 got, qint64 total) {
        stall.start(timeoutMilliseconds_);
        stopWhenTooLarge(reply, stop, got);
        if (!stop.tooLarge && progress_) progress_(got, total);
    });
    QObject::connect(&reply, &QNetworkReply::sslErrors, [&](const QList<QSslError>& errors) {
        for (const QSslError& error : errors) stop.tlsErrors << error.errorString();
    });
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
