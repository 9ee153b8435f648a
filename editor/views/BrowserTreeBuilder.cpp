#include "editor/views/BrowserTreeBuilder.h"

#include <vector>

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editor/views/BrowserTreeModel.h"
#include "shell/AppError.h"

namespace sentrel::views {

namespace {
const QString kFolderImage = QStringLiteral("folder");
const QString kFolderSelectedImage = QStringLiteral("foldersel");
const QString kBrowserImage = QStringLiteral("browser");
}  // namespace

QString BrowserTreeBuilder::imageOf(const doc::TypeObject& type) {
    if (type.Path(mainMod::kTypeParam) != mainMod::kTypeFolder) return kBrowserImage;
    const QString icon = type.Path(mainMod::kIconParam);
    return icon.isEmpty() ? kFolderImage : icon;
}

QString BrowserTreeBuilder::selectedImageOf(const QString& image) {
    return image == kFolderImage ? kFolderSelectedImage : image;
}

bool BrowserTreeBuilder::place(doc::TypeObject& type) {
    lastEntry_ = type.Name();
    const bool isRoot = type.Name().compare(mainMod::kRootTypeName, Qt::CaseInsensitive) == 0;
    const doc::TypeObject* base = type.getbasetype();
    if (!isRoot && !base) return false;
    const QString image = imageOf(type);
    const QString text = type.Path(mainMod::kDescriptionParam);
    if (!tree_.addNode(isRoot ? QString() : base->Name(), type.Name(), text, image,
                       selectedImageOf(image))) {
        return false;
    }
    descriptions_ << text;
    return true;
}

void BrowserTreeBuilder::build(doc::Document& document) {
    build(document, document.types());
}

void BrowserTreeBuilder::build(doc::Document& document, const QStringList& typeNames) {
    std::vector<doc::TypeObject*> pending;
    tree_.beginBulk();
    try {
        for (const QString& name : typeNames) {
            if (!mainMod::isBrowserType(name)) continue;
            doc::TypeObject& type = document.Path(name);
            const bool deleted = type.hasParameter(mainMod::kTypeParam) &&
                                 type.Path(mainMod::kTypeParam) == mainMod::kTypeDeleted;
            if (deleted) {
                deleted_ << name;
            } else if (!place(type)) {
                pending.push_back(&type);
            }
        }
        // Types listed before their base: try again until a pass places nothing more.
        while (!pending.empty()) {
            const size_t before = pending.size();
            std::erase_if(pending, [this](doc::TypeObject* type) { return place(*type); });
            if (pending.size() == before) {
                lastEntry_ = pending.front()->Name();
                throw AppError(doc::kErrDocumentDamaged,
                               QStringLiteral("Object does not have parent"), doc::kErrorSource);
            }
        }
    } catch (...) {
        tree_.endBulk();
        throw;
    }
    tree_.endBulk();
}

}  // namespace sentrel::views
