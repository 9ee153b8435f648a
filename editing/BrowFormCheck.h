#pragma once

#include <QString>
#include <QVariantMap>

#include "document/Vocabulary.h"

namespace sentrel {
class Interaction;
}
namespace sentrel::doc {
class Document;
}

namespace sentrel::editing {

// The checks OK runs in the add-browser dialog, in order: a description was entered, no live
// browser or folder has it (in any letter case), and it can make a browser's type name.
class BrowFormCheck {
  public:
    enum class Failure { None, Empty, Exists, Invalid };

    // The first failing check, without telling anyone; on success `generatedName` receives
    // a type name the document does not have yet, its number drawn from `drawSuffix`.
    static Failure firstFailure(const QVariantMap& fields, doc::Document& document,
                                QString* generatedName,
                                const mainMod::NameSuffixSource& drawSuffix);
    // Runs the checks and shows the message of the first failure; true when all pass.
    static bool accept(const QVariantMap& fields, doc::Document& document, Interaction& interaction,
                       QString* generatedName, const mainMod::NameSuffixSource& drawSuffix);
};

}  // namespace sentrel::editing
