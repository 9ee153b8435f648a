#pragma once

#include <string>

#include "shell/Interaction.h"

namespace sentrel::codegen {

// Tries the country lookup once when "Country" is checked, to tell the user whether logging
// the country can work; its failure never blocks the choice. Answers whether "Country" stays
// checked: always after a working test, otherwise as the user answers.
bool confirmCountryTracking(Interaction& interaction, const std::string& countryDatabase);

}  // namespace sentrel::codegen
