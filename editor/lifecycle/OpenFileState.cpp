#include "editor/lifecycle/OpenFileState.h"

#include "document/Vocabulary.h"

namespace sentrel::lifecycle {

void OpenFileState::releaseDocument() {
    if (!document_) return;
    document_->RevokeFromROT(true);
    document_.reset();
}

void OpenFileState::collectDeletedTypes() {
    deletedTypes.clear();
    if (!document_) return;
    for (const QString& name : document_->types()) {
        if (!mainMod::isBrowserType(name)) continue;
        const doc::TypeObject& type = document_->Path(name);
        if (type.hasParameter(mainMod::kTypeParam) &&
            type.Path(mainMod::kTypeParam).trimmed() == mainMod::kTypeDeleted)
            deletedTypes.append(name);
    }
}

}  // namespace sentrel::lifecycle
