#include "codegen/properties/CountryTrackingCheck.h"

#include <optional>

#include "codegen/properties/PropertiesMessages.h"
#include "country/CountryError.h"
#include "country/CountryObj.h"

namespace sentrel::codegen {

namespace messages = properties_messages;

namespace {

// The question to ask when the test failed; nothing when the lookup works. The test address
// has no country: only an error counts as a failure.
std::optional<MessageRequest> testFailure(const std::string& countryDatabase) {
    std::optional<country::CountryObj> lookup;
    try {
        lookup.emplace(countryDatabase);
    } catch (const country::CountryError&) {
        return messages::landrelNotInstalled();
    }
    try {
        lookup->Initialize("127.0.0.1");
    } catch (const country::CountryError& error) {
        return messages::landrelFailed(QString::fromStdString(error.description()));
    }
    return std::nullopt;
}

}  // namespace

bool confirmCountryTracking(Interaction& interaction, const std::string& countryDatabase) {
    if (const std::optional<MessageRequest> failure = testFailure(countryDatabase)) {
        return interaction.message(*failure) == MsgAnswer::Yes;
    }
    interaction.message(messages::landrelConfirmation());
    return true;
}

}  // namespace sentrel::codegen
