#include "detect/Request.h"

#include "detect/TextCompare.h"

namespace sentrel::detect {

const std::string* Request::find(const Fields& fields, std::string_view name) {
    for (const auto& [key, value] : fields) {
        if (equalsIgnoreCase(key, name)) return &value;
    }
    return nullptr;
}

}  // namespace sentrel::detect
