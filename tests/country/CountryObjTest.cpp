#include <gtest/gtest.h>

#include <QFile>

#include "country/CountryError.h"
#include "country/CountryObj.h"
#include "support/TempDir.h"

namespace sentrel::country {
namespace {

// The installed database's data are from 2019: these blocks belong to large national
// universities and research networks whose country has not changed in decades.
struct Known {
    const char* address;
    const char* code;
};
const Known kKnown[] = {
    {"133.11.0.1", "JP"},     // University of Tokyo
    {"130.149.7.201", "DE"},  // Technische Universität Berlin
    {"131.111.8.1", "GB"},    // University of Cambridge
    {"129.132.0.1", "CH"},    // ETH Zürich
    {"18.7.22.69", "US"},     // Massachusetts Institute of Technology
    {"193.51.24.1", "FR"},    // RENATER, the French research network
};

// The error a step raises, or a CountryError with number 0 when it raised none.
template <class Step>
CountryError errorOf(Step step) {
    try {
        step();
    } catch (const CountryError& error) {
        return error;
    }
    return CountryError(0, "no error");
}

TEST(CountryObj, GivesTheTwoLetterCodeOfAddressesWithAStableCountry) {
    CountryObj lookup;
    for (const Known& known : kKnown) {
        lookup.Initialize(known.address);
        EXPECT_EQ(lookup.countryCode(), known.code) << known.address;
    }
}

TEST(CountryObj, AnAddressWithoutACountryIsNoError) {
    CountryObj lookup;
    lookup.Initialize("133.11.0.1");
    for (const char* address : {"127.0.0.1", "10.0.0.1", "192.168.1.1", "not an address", ""}) {
        EXPECT_NO_THROW(lookup.Initialize(address)) << address;
        EXPECT_EQ(lookup.countryCode(), "") << address;
    }
}

TEST(CountryObj, AMissingDatabaseCannotBeCreated) {
    test::TempDir dir;
    const std::string missing = dir.file("GeoIP.dat").toStdString();
    for (const std::string& path : {missing, dir.path().toStdString()}) {
        const CountryError error = errorOf([&] { CountryObj lookup(path); });
        EXPECT_EQ(error.number(), 429);
        EXPECT_EQ(error.description(), "The country database " + path + " is not installed");
    }
}

TEST(CountryObj, ADatabaseThatCannotBeOpenedFailsAtInitialize) {
    test::TempDir dir;
    QByteArray junk(5000, '\0');
    for (int i = 0; i < junk.size(); ++i) junk[i] = char(i * 7919 % 251);
    const QString files[] = {dir.write("empty.dat", {}), dir.write("junk.dat", junk),
                             QStringLiteral("/usr/share/GeoIP/GeoIPv6.dat")};
    for (const QString& file : files) {
        if (!QFile::exists(file)) continue;
        SCOPED_TRACE(file.toStdString());
        CountryObj lookup(file.toStdString());
        const CountryError error = errorOf([&] { lookup.Initialize("127.0.0.1"); });
        EXPECT_EQ(error.number(), 75);
        EXPECT_EQ(error.description().rfind(
                      "The country database " + file.toStdString() + " cannot be opened: ", 0),
                  0u)
            << error.description();
        // The next use tries again, and fails the same way.
        EXPECT_THROW(lookup.Initialize("133.11.0.1"), CountryError);
    }
}

}  // namespace
}  // namespace sentrel::country
