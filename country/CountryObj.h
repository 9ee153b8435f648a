#pragma once

#include <memory>
#include <string>
#include <string_view>

// libGeoIP's handle, declared here so that users of the lookup need not include GeoIP.h.
struct GeoIPTag;

namespace sentrel::country {

// The country lookup: which country an IPv4 address belongs to, from the GeoIP country
// database of Debian's geoip-database package (libGeoIP reads it).
//
//   CountryObj lookup;              // throws CountryError when the database is not installed
//   lookup.Initialize("133.11.0.1");
//   lookup.countryCode();           // "JP"; empty for an address without a country
//
// Creating the lookup only checks that the database file is there; the first Initialize opens
// it and raises a CountryError when that fails (unreadable, damaged, not a country database).
// An address the database knows no country for (127.0.0.1, private ranges, a text that is not
// an address) is no error: its country code is empty. No lookup ever asks a name server.
class CountryObj {
  public:
    static constexpr const char* kDefaultDatabase = "/usr/share/GeoIP/GeoIP.dat";

    explicit CountryObj(std::string database = kDefaultDatabase);
    ~CountryObj();
    CountryObj(const CountryObj&) = delete;
    CountryObj& operator=(const CountryObj&) = delete;

    const std::string& database() const { return database_; }

    // Looks up the country of a dotted IPv4 address.
    void Initialize(std::string_view address);
    // The two-letter country code (ISO 3166) of the last Initialize; empty when none.
    const std::string& countryCode() const { return countryCode_; }

  private:
    void open();

    struct Close {
        void operator()(GeoIPTag* handle) const;
    };

    std::string database_;
    std::unique_ptr<GeoIPTag, Close> handle_;
    std::string countryCode_;
};

}  // namespace sentrel::country
