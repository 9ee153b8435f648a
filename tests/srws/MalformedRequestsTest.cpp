#include <gtest/gtest.h>

// Readable Qt values; every test file of the program includes it, so that all agree.
#include "editing/QtPrinters.h"

#include <random>

#include "ServiceSetup.h"

using sentrel::test::CgiAnswer;
using sentrel::test::CgiCall;
using sentrel::test::ServiceSetup;

namespace {

// Builds hostile requests: each carries at least one fault that must get it refused,
// wrapped in random but otherwise valid fields of all three kinds.
class HostileRequests {
  public:
    explicit HostileRequests(unsigned seed) : random_(seed) {}

    CgiCall next() {
        QByteArray fields = "t=" + pick({"sns", "plt", "err", "SNS"}) + randomFields();
        CgiCall call;
        if (random_() % 2) call.method = "POST";
        switch (int(random_() % 10)) {
            case 0:  // a broken percent escape
                fields += "&brow=" + pick({"%", "%4", "%zz", "%%41", "%G1"});
                break;
            case 1:  // bytes that are not UTF-8
                fields += "&es=" + pick({"%C3%28", "%FF", "%ED%A0%80", "%F8%88%80%80%80"});
                break;
            case 2:  // a NUL character
                fields += "&u=a%00b";
                break;
            case 3:  // an unknown or empty record kind, as the last "t"
                fields += "&T=" + pick({"snss", "", "%20sns", "sql", "test;drop"});
                break;
            case 4:  // too large
                fields += "&p=" + QByteArray(64 * 1024, 'p');
                break;
            case 5:  // a body that is not form-encoded
                call.method = "POST";
                call.contentType = pick({"application/json", "multipart/form-data; boundary=x",
                                         "application/x-www-form-urlencoded; charset=latin1"});
                break;
            case 6:  // a length that does not match the body
                call.method = "POST";
                call.contentLength = pick({"1", "99999999", "-5", "0x10", "12abc"});
                break;
            case 7:  // a method the service does not serve
                call.method = pick({"PUT", "DELETE", "PATCH", "BREW", "GET "});
                break;
            case 8:  // control characters and random bytes in a broken escape
                fields += "&ua=" + randomBytes() + "%";
                break;
            default:  // no record kind at all
                fields = randomFields().mid(1) + "&brow=x";
                break;
        }
        (call.method == "GET" ? call.query : call.body) = fields;
        return call;
    }

  private:
    QByteArray pick(std::initializer_list<const char*> choices) {
        return QByteArray(*(choices.begin() + random_() % choices.size()));
    }

    QByteArray randomFields() {
        QByteArray fields;
        for (int i = int(random_() % 6); i > 0; --i) {
            fields += "&" + pick({"brow", "vm", "fram", "p", "es", "el", "lu", "nosuch", "SNSW"}) +
                      "=" + pick({"1", "True", "x+y", "%41%42", "0012", "1e308", "-7"});
        }
        return fields;
    }

    QByteArray randomBytes() {
        QByteArray bytes;
        for (int i = int(random_() % 12); i > 0; --i) {
            const char c = char(random_() % 256);
            if (c != '&' && c != '=' && c != '%') bytes += c;
        }
        return bytes.replace('\0', '\x01');
    }

    std::mt19937 random_;
};

}  // namespace

TEST(MalformedRequestsTest, AThousandHostileRequestsAreRefusedWithoutACrashOrARecord) {
    ServiceSetup service;
    HostileRequests requests(13);
    QList<CgiCall> calls;
    for (int i = 0; i < 1000; ++i) calls << requests.next();
    const QList<CgiAnswer> answers = service.runAll(calls, 4);
    for (qsizetype i = 0; i < calls.size(); ++i) {
        const CgiCall& call = calls[i];
        const CgiAnswer& answer = answers[i];
        ASSERT_TRUE(!answer.crashed && answer.exitCode == 0 &&
                    (answer.status == 400 || answer.status == 405))
            << "status " << answer.status << " exit " << answer.exitCode << " for "
            << call.method.toStdString() << " " << call.query.left(200).toStdString()
            << call.body.left(200).toStdString() << " type " << call.contentType.toStdString()
            << " length " << call.contentLength.toStdString();
    }
    EXPECT_EQ(service.recordCount(), 0);
    // Not even a record that came and went: the key counters never moved.
    EXPECT_EQ(service.rows("SELECT COUNT(*) FROM sqlite_sequence WHERE seq > 0"), QStringList{"0"});
}
