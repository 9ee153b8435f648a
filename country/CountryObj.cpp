#include "country/CountryObj.h"

#include <GeoIP.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "country/CountryError.h"

namespace sentrel::country {

namespace {

bool isRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

[[noreturn]] void cannotOpen(const std::string& database, const std::string& reason) {
    throw CountryError(CountryError::kPathFileAccess,
                       "The country database " + database + " cannot be opened: " + reason);
}

// A country database carries a description of its build at its end; a damaged file or one
// of another kind has none that libGeoIP can find.
bool isCountryDatabase(GeoIP* handle) {
    if (GeoIP_database_edition(handle) != GEOIP_COUNTRY_EDITION) return false;
    char* info = GeoIP_database_info(handle);
    const bool described = info != nullptr;
    std::free(info);
    return described;
}

}  // namespace

void CountryObj::Close::operator()(GeoIPTag* handle) const {
    GeoIP_delete(handle);
}

CountryObj::CountryObj(std::string database) : database_(std::move(database)) {
    if (!isRegularFile(database_)) {
        throw CountryError(CountryError::kCannotCreate,
                           "The country database " + database_ + " is not installed");
    }
}

CountryObj::~CountryObj() = default;

void CountryObj::open() {
    errno = 0;
    handle_.reset(GeoIP_open(database_.c_str(), GEOIP_STANDARD | GEOIP_SILENCE));
    if (!handle_) {
        cannotOpen(database_, errno != 0 ? std::strerror(errno) : "not a GeoIP database");
    }
    if (!isCountryDatabase(handle_.get())) {
        handle_.reset();
        cannotOpen(database_, "it is damaged or not a GeoIP country database");
    }
}

void CountryObj::Initialize(std::string_view address) {
    countryCode_.clear();
    if (!handle_) open();
    const std::string text(address);
    const char* code = GeoIP_country_code_by_addr(handle_.get(), text.c_str());
    if (code != nullptr) countryCode_ = code;
}

}  // namespace sentrel::country
