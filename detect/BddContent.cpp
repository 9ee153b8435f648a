#include "detect/BddContent.h"

#include "detect/TextCompare.h"

namespace sentrel::detect {

FilterKind filterKindFromCode(const std::string& code) {
    if (equalsIgnoreCase(code, "UA")) return FilterKind::UserAgent;
    if (equalsIgnoreCase(code, "Cookie")) return FilterKind::Cookie;
    if (equalsIgnoreCase(code, "ENV")) return FilterKind::ServerVariable;
    if (equalsIgnoreCase(code, "Cert")) return FilterKind::Certificate;
    return FilterKind::Unknown;
}

}  // namespace sentrel::detect
