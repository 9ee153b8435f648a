#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class QNetworkReply;
class QTimer;

namespace sentrel::update {

// Fetches one file of an update source whole, through Qt Network: http and https (with the
// peer's certificate verified; redirects only to equally safe addresses) and local files
// alike. A download that stalls longer than the time-out or grows beyond the size limit is
// abandoned. Failures throw AppError with a description that says what went wrong and where:
// kFileNotFound when the source does not have the file (HTTP 404 or a missing local file),
// kPathFileAccess for everything else.
class Downloader {
  public:
    static constexpr qint64 kMaxBytes = 50LL * 1024 * 1024;
    static constexpr int kTimeoutMilliseconds = 60 * 1000;

    // `received` hears of the bytes received so far and the total (-1 while unknown).
    using Progress = std::function<void(qint64 received, qint64 total)>;

    explicit Downloader(qint64 maxBytes = kMaxBytes,
                        int timeoutMilliseconds = kTimeoutMilliseconds);

    void setProgress(Progress progress) { progress_ = std::move(progress); }

    QByteArray fetch(const QUrl& url);
    // As fetch, but nullopt when the source does not have the file.
    std::optional<QByteArray> fetchIfPresent(const QUrl& url);

    // Why a download stopped short, in the order the causes are told apart.
    struct Stop {
        bool tooLarge = false;
        bool timedOut = false;
        QStringList tlsErrors;
    };

  private:
    void watch(QNetworkReply& reply, Stop& stop, QTimer& stall);
    void stopWhenTooLarge(QNetworkReply& reply, Stop& stop, qint64 size) const;

    QNetworkAccessManager network_;
    qint64 maxBytes_;
    int timeoutMilliseconds_;
    Progress progress_;
};

}  // namespace sentrel::update
