#include "editing/BrowFormCheck.h"

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editing/BrowFormFields.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace bf = browform;

BrowFormCheck::Failure BrowFormCheck::firstFailure(const QVariantMap& fields,
                                                   doc::Document& document, QString* generatedName,
                                                   const mainMod::NameSuffixSource& drawSuffix) {
    const QString description = fields.value(bf::kDescription).toString();
    if (description.isEmpty()) return Failure::Empty;
    if (mainMod::descriptionExists(description, document)) return Failure::Exists;
    const QString name =
        mainMod::generateTypeName(description, mainMod::NewTypeKind::Browser, document, drawSuffix);
    if (name.isEmpty()) return Failure::Invalid;
    if (generatedName) *generatedName = name;
    return Failure::None;
}

bool BrowFormCheck::accept(const QVariantMap& fields, doc::Document& document,
                           Interaction& interaction, QString* generatedName,
                           const mainMod::NameSuffixSource& drawSuffix) {
    switch (firstFailure(fields, document, generatedName, drawSuffix)) {
        case Failure::None:
            return true;
        case Failure::Empty:
            interaction.message(QStringLiteral("Please enter a description for this new browser."),
                                QStringLiteral("Description Required"), MsgIcon::Exclamation);
            return false;
        case Failure::Exists:
            interaction.message(QStringLiteral("The description you entered already exists.\r\n"
                                               "Please retry using a unique description."),
                                QStringLiteral("Description Already Exists"), MsgIcon::Exclamation);
            return false;
        case Failure::Invalid:
            interaction.message(
                QStringLiteral("You did not enter a valid description for this browser.  A "
                               "description must begin with a letter."),
                QStringLiteral("Invalid Description Entered"), MsgIcon::Exclamation);
            return false;
    }
    return false;
}

}  // namespace sentrel::editing
