#include "export/HitTesterMessages.h"

#include "shell/Product.h"

namespace sentrel::exporting::hit_messages {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

MessageRequest nothingToTest() {
    return {QStringLiteral("Nothing to test"),
            QStringLiteral("Please enter a user agent to test before pressing the test button."),
            MsgIcon::Exclamation};
}

MessageRequest bddNotAvailable() {
    return {QStringLiteral("BDD not available"),
            QStringLiteral("Unable to read temporary BDD needed for Hit Tester.  File not found."),
            MsgIcon::Exclamation};
}

MessageRequest objectCreationFailed(const QString& description) {
    return {QStringLiteral("Object creation failed"),
            QStringLiteral("Unable to create Sentrel object: ") + description, MsgIcon::Critical};
}

MessageRequest detectionFailed(const QString& description) {
    return {QStringLiteral("Error creating Sentrel object"),
            QStringLiteral("The following error occurred when trying to create the Sentrel "
                           "object: ") +
                description + kCrLf + kCrLf +
                QStringLiteral("If the problem persists, please contact Sentrel technical "
                               "support at ") +
                product::kSupportEmail + QStringLiteral("."),
            MsgIcon::Critical};
}

MessageRequest copyFailed(const QString& definitionFile, const QString& description) {
    return {QStringLiteral("Unable to copy BDD file"),
            QStringLiteral("Unable to copy ") + definitionFile +
                QStringLiteral(" to temp.bdd.  Error is: ") + description,
            MsgIcon::Exclamation};
}

MessageRequest listUnreadable(const QString& path, const QString& description) {
    return {
        QStringLiteral("Unable to load user agent list"),
        QStringLiteral("Unable to read ") + path + QStringLiteral(".  Error is: ") + description,
        MsgIcon::Exclamation};
}

}  // namespace sentrel::exporting::hit_messages
