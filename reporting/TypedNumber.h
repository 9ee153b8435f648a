#pragma once

#include <QString>
#include <optional>

namespace sentrel {

// The number the user typed into a box, in plain notation or in the user's own locale
// ("1e3", "2000.5", "1,000"), blanks around it ignored; nullopt when it is no finite number.
std::optional<double> numberTyped(const QString& text);

}  // namespace sentrel
