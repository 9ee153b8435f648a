#pragma once

#include <QString>

#include "shell/Interaction.h"

// The messages of the properties-to-log dialog.
namespace sentrel::codegen::properties_messages {

// Yes: the comprehensive set, No: the popular set, Cancel: no change.
MessageRequest propertyRecommendation();
MessageRequest referrerTracking();
// Asked when one of the Java-based properties is checked.
MessageRequest javaPropertyChecked();
// Asked after "&Select All": No unchecks the Java-based properties.
MessageRequest keepJavaProperties();
MessageRequest storageIntensive();

// The country lookup worked.
MessageRequest landrelConfirmation();
// The country lookup is not installed, or failed with `error`: keep "Country" checked?
MessageRequest landrelNotInstalled();
MessageRequest landrelFailed(const QString& error);

// Any other error while the dialog opens.
MessageRequest errorOccurred(int number, const QString& description);

}  // namespace sentrel::codegen::properties_messages
