#pragma once

namespace sentrel::product {

// The product's version, for programs of the product that load no Qt.
inline constexpr char kVersionText[] = "1.0.0";

}  // namespace sentrel::product
