#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "srws/CgiRequest.h"
#include "srws/FormFields.h"
#include "srws/ServiceRequest.h"

using namespace sentrel::srws;

namespace {

using Fields = std::vector<FormFields::Field>;

Fields decoded(const std::string& encoded) {
    std::string reason;
    const auto form = FormFields::decode(encoded, &reason);
    EXPECT_TRUE(form.has_value()) << reason;
    return form ? form->fields() : Fields{};
}

std::string refusal(const std::string& encoded) {
    std::string reason;
    EXPECT_FALSE(FormFields::decode(encoded, &reason).has_value()) << encoded;
    return reason;
}

std::string value(const FormFields& form, const char* name) {
    const std::string* found = form.find(name);
    return found ? *found : "(none)";
}

CgiRequest get(const std::string& query) {
    CgiRequest request;
    request.method = "GET";
    request.queryString = query;
    return request;
}

CgiRequest post(const std::string& body, const std::string& query = {}) {
    CgiRequest request;
    request.method = "POST";
    request.queryString = query;
    request.contentType = "application/x-www-form-urlencoded";
    request.contentLength = std::to_string(body.size());
    request.body = body;
    return request;
}

const char* viewOf(const ServiceRequest& parsed) {
    const auto* log = std::get_if<LogRequest>(&parsed);
    return log ? log->table->view : "(not a record)";
}

RefusedRequest refusedOf(const ServiceRequest& parsed) {
    const auto* refused = std::get_if<RefusedRequest>(&parsed);
    return refused ? *refused : RefusedRequest{0, "(not refused)"};
}

}  // namespace

TEST(FormFieldsTest, DecodesPlusPercentAndUtf8KeepingOrderAndEmptyValues) {
    EXPECT_EQ(decoded("brow=Fire+Fox&vf=1%2E5&plat=Mac%20OS&&lang=f%C3%A9&flag&empty="),
              (Fields{{"brow", "Fire Fox"},
                      {"vf", "1.5"},
                      {"plat", "Mac OS"},
                      {"lang", "f\xc3\xa9"},
                      {"flag", ""},
                      {"empty", ""}}));
    EXPECT_EQ(decoded("a%3Db=c%26d"), (Fields{{"a=b", "c&d"}}));
    EXPECT_EQ(decoded(""), Fields{});
}

TEST(FormFieldsTest, BadEncodingsAreRefusedWithTheirReason) {
    const std::string percent = "a \"%\" is not followed by two hexadecimal digits";
    EXPECT_EQ(refusal("a=%"), percent);
    EXPECT_EQ(refusal("a=%4"), percent);
    EXPECT_EQ(refusal("a=%4g&b=1"), percent);
    EXPECT_EQ(refusal("%zz=1"), percent);
    EXPECT_EQ(refusal("a=%C3%28"), "a name or value is not valid UTF-8");
    EXPECT_EQ(refusal("a=\xff"), "a name or value is not valid UTF-8");
    EXPECT_EQ(refusal("a=%ED%A0%80"), "a name or value is not valid UTF-8");  // a surrogate
    EXPECT_EQ(refusal("a=x%00y"), "a name or value holds a NUL character");
}

TEST(FormFieldsTest, NamesMatchWithoutRegardToCaseAndTheLastOfSeveralCounts) {
    std::string reason;
    const FormFields form = *FormFields::decode("Brow=one&x=2&BROW=two", &reason);
    EXPECT_EQ(value(form, "brow"), "two");
    EXPECT_TRUE(form.has("X"));
    EXPECT_EQ(form.find("missing"), nullptr);
}

TEST(ServiceRequestTest, TNamesTheViewWithoutRegardToCaseByGetOrPost) {
    EXPECT_STREQ(viewOf(parseRequest(get("t=sns&brow=x"))), "SNS");
    EXPECT_STREQ(viewOf(parseRequest(get("T=PLT"))), "PLT");
    EXPECT_STREQ(viewOf(parseRequest(post("t=Err&es=boom"))), "BROWERR");
    // "t" in the query string, the fields in the body: both count.
    const ServiceRequest split = parseRequest(post("brow=x", "t=sns"));
    ASSERT_STREQ(viewOf(split), "SNS");
    EXPECT_EQ(value(std::get<LogRequest>(split).fields, "brow"), "x");
    // A charset parameter is fine when it says UTF-8.
    for (const char* type : {"application/x-www-form-urlencoded; charset=UTF-8",
                             "Application/X-WWW-Form-Urlencoded;charset=\"utf8\";q=1"}) {
        CgiRequest withCharset = post("t=sns");
        withCharset.contentType = type;
        EXPECT_STREQ(viewOf(parseRequest(withCharset)), "SNS") << type;
    }
}

TEST(ServiceRequestTest, TestInTheQueryStringAsksForTheStatusPage) {
    EXPECT_TRUE(std::holds_alternative<StatusRequest>(parseRequest(get("test"))));
    EXPECT_TRUE(std::holds_alternative<StatusRequest>(parseRequest(get("TEST=1"))));
    EXPECT_TRUE(std::holds_alternative<PreflightRequest>(parseRequest([] {
        CgiRequest options = get("");
        options.method = "OPTIONS";
        return options;
    }())));
}

TEST(ServiceRequestTest, UnknownOrMissingKindsAndBadEncodingsAreRefusedWith400) {
    EXPECT_EQ(refusedOf(parseRequest(get("t=xyz&brow=1"))).reason,
              "unknown record kind t=\"xyz\" (known: sns, plt, err)");
    EXPECT_EQ(refusedOf(parseRequest(get("brow=1"))).reason, "the field \"t\" is missing");
    EXPECT_EQ(refusedOf(parseRequest(get(""))).reason, "the field \"t\" is missing");
    EXPECT_EQ(refusedOf(parseRequest(get("t=sns&brow=%G0"))).reason,
              "bad query string: a \"%\" is not followed by two hexadecimal digits");
    EXPECT_EQ(refusedOf(parseRequest(post("t=sns&brow=%FF"))).reason,
              "bad body: a name or value is not valid UTF-8");
    for (const ServiceRequest& refused :
         {parseRequest(get("t=xyz")), parseRequest(post("t=sns&brow=%"))}) {
        EXPECT_EQ(refusedOf(refused).status, 400);
    }
}

TEST(ServiceRequestTest, BodiesThatAreNotWhatTheyClaimAreRefused) {
    CgiRequest json = post("{\"t\":\"sns\"}");
    json.contentType = "application/json";
    EXPECT_EQ(refusedOf(parseRequest(json)).reason,
              "the body is not application/x-www-form-urlencoded");
    CgiRequest latin1 = post("t=sns");
    latin1.contentType = "application/x-www-form-urlencoded; charset=ISO-8859-1";
    EXPECT_EQ(refusedOf(parseRequest(latin1)).reason, "the body is not UTF-8");
    CgiRequest shortBody = post("t=sns");
    shortBody.contentLength = "10";
    EXPECT_EQ(refusedOf(parseRequest(shortBody)).reason,
              "the body does not have the length CONTENT_LENGTH gives");
    CgiRequest badLength = post("t=sns");
    badLength.contentLength = "5x";
    EXPECT_EQ(refusedOf(parseRequest(badLength)).status, 400);
    CgiRequest put = post("t=sns");
    put.method = "PUT";
    EXPECT_EQ(refusedOf(parseRequest(put)).status, 405);
}

TEST(ServiceRequestTest, RequestsOver64KbAreRefusedCountingQueryAndBodyTogether) {
    const std::string filler(64 * 1024 - 20, 'a');
    const std::string atLimit = "t=sns&brow=" + std::string(64 * 1024 - 11, 'a');
    EXPECT_STREQ(viewOf(parseRequest(get(atLimit))), "SNS");
    EXPECT_STREQ(viewOf(parseRequest(post(atLimit))), "SNS");
    EXPECT_EQ(refusedOf(parseRequest(get(atLimit + "a"))).reason,
              "the request is larger than 64 KB");
    EXPECT_EQ(
        refusedOf(parseRequest(post("u=" + filler, "t=sns&brow=" + std::string(30, 'b')))).reason,
        "the request is larger than 64 KB");
}

TEST(CgiRequestTest, ReadsTheAnnouncedBodyButNeverMuchMoreThanTheLimit) {
    const std::string input(200 * 1024, 'x');
    const auto reader = [&input](std::size_t* offset) {
        return [&input, offset](char* into, std::size_t max) {
            // Pipes hand over data in pieces.
            const std::size_t n = std::min({max, input.size() - *offset, std::size_t(4096)});
            std::copy_n(input.data() + *offset, n, into);
            *offset += n;
            return n;
        };
    };
    std::size_t offset = 0;
    CgiRequest announced = post("");
    announced.contentLength = "10000";
    announced.readBody(reader(&offset));
    EXPECT_EQ(announced.body.size(), 10000u);

    for (const std::string length : {"", "999999", "abc"}) {
        offset = 0;
        CgiRequest request = post("");
        request.contentLength = length;
        request.readBody(reader(&offset));
        EXPECT_EQ(request.body.size(), kMaxRequestBytes + 1) << length;
        EXPECT_EQ(refusedOf(parseRequest(request)).status, 400);
    }
    offset = 0;
    CgiRequest getRequest = get("t=sns");
    getRequest.readBody(reader(&offset));
    EXPECT_EQ(offset, 0u);
}

TEST(CgiRequestTest, OnlyLoopbackAddressesAreLocal) {
    for (const char* local :
         {"127.0.0.1", "127.1.2.3", "::1", "::ffff:127.0.0.1", "0:0:0:0:0:0:0:1"}) {
        CgiRequest request;
        request.remoteAddress = local;
        EXPECT_TRUE(request.isLocal()) << local;
    }
    for (const char* remote : {"", "10.0.0.1", "128.0.0.1", "127.0.0.1.example.org", "::2", "1::1",
                               "::ffff:10.0.0.1", "localhost"}) {
        CgiRequest request;
        request.remoteAddress = remote;
        EXPECT_FALSE(request.isLocal()) << remote;
    }
}
