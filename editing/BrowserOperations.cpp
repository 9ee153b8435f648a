#include "editing/BrowserOperations.h"

#include "document/Document.h"
#include "document/Vocabulary.h"
#include "editing/BrowFormCheck.h"
#include "editing/BrowFormFields.h"
#include "editing/BrowserOperationsView.h"
#include "editing/EditHost.h"
#include "editing/UndoOnFailure.h"
#include "editing/UndoStep.h"
#include "shell/AppError.h"
#include "shell/Interaction.h"

namespace sentrel::editing {

namespace bf = browform;

namespace {

enum MergeCode { kFolderCreated = 1, kTypeDeleted = 3, kBrowserAdded = 4, kUserAgentSet = 5 };

const QString kFolderImage = QStringLiteral("folder");
const QString kFolderSelectedImage = QStringLiteral("foldersel");
const QString kBrowserImage = QStringLiteral("browser");

bool isLive(const doc::TypeObject& type) {
    return type.Path(mainMod::kTypeParam) != mainMod::kTypeDeleted;
}

QString folderPrompt() {
    return QStringLiteral(
        "Please enter a title for the new folder:\n\nExamples:\n\n"
        "\tNetscape v3\n\tMSIE v4\n\tNCSA Mosaic v3\n\n");
}

QString userAgentPrompt() {
    return QStringLiteral(
        "Enter user agent string which indentifies this browser:\r\n"
        "For best results, use a string which contains wildcards and other special "
        "characters.\r\n"
        "Examples:\r\n"
        "\tMozilla/*MSIE 3*\r\n"
        "\tMozilla/4.0[2-9]*");
}

}  // namespace

QStringList BrowserOperations::LoadBrowserParents(doc::Document& document) {
    QStringList parents;
    for (const QString& name : document.types()) {
        if (!mainMod::isBrowserType(name)) continue;
        const doc::TypeObject& type = document.Path(name);
        if (isLive(type)) parents << type.Path(mainMod::kDescriptionParam);
    }
    return parents;
}

QString BrowserOperations::findLiveType(const QString& description) const {
    doc::Document& document = host_.document();
    for (const QString& name : document.types()) {
        if (!mainMod::isBrowserType(name)) continue;
        const doc::TypeObject& type = document.Path(name);
        if (isLive(type) && type.Path(mainMod::kDescriptionParam) == description) return name;
    }
    return {};
}

void BrowserOperations::addType(const QString& name, const QString& parent,
                                const ParamValues& values, int code,
                                const std::array<QString, 5>& record) {
    doc::Document& document = host_.document();
    doc::TypeObject& type = document.AddInheritedType(name, parent);
    undoOnFailure(
        [&] {
            for (const auto& [parameter, value] : values) type.SetParamDefValue(parameter, value);
            host_.writeMergeRecord(code, record);
        },
        [&] { document.deleteType(name); });
}

void BrowserOperations::addBrowser() {
    doc::Document& document = host_.document();
    Interaction& interaction = host_.interaction();
    QString generated;
    const QVariantMap fields{
        {bf::kCaption, QStringLiteral("Add New Browser")},
        {bf::kDescription, QString()},
        {bf::kUserAgent, QString()},
        {bf::kParents, LoadBrowserParents(document)},
        {bf::kParent, view_.selectedNodeText()},
    };
    const DialogResult answer = interaction.runDialog(
        {bf::kDialogName, fields, [&](const QVariantMap& form) {
             return BrowFormCheck::accept(form, document, interaction, &generated, drawSuffix_);
         }});
    if (!answer.accepted || generated.isEmpty()) return;

    const QString parent = findLiveType(answer.fields.value(bf::kParent).toString());
    if (parent.isEmpty()) {
        interaction.message(QStringLiteral("Error: Could not find browser name for matching "
                                           "description. Browser not added."),
                            QStringLiteral("Browser Not Found"), MsgIcon::Critical);
        return;
    }
    const QString description = answer.fields.value(bf::kDescription).toString();
    const UndoStep step(host_, QStringLiteral("Add browser"), description);
    const QString agent = answer.fields.value(bf::kUserAgent).toString();
    const QString stamp = host_.dateStamp();
    addType(generated, parent,
            {{mainMod::kDescriptionParam, description},
             {mainMod::kLastUpdateParam, stamp},
             {mainMod::kTypeParam, mainMod::kTypeBrowser},
             {mainMod::kUserAgentParam, agent}},
            kBrowserAdded, {generated, parent, description, agent, stamp});
    view_.appendQuickFindEntry(description);

    view_.addTreeNode(parent, generated, description, kBrowserImage, kBrowserImage);
    view_.refreshNode(generated, false);
    host_.markModified();
}

QString BrowserOperations::askFolderDescription() {
    Interaction& interaction = host_.interaction();
    const InputRequest request{folderPrompt(), QStringLiteral("Create Browser Folder"), {}};
    for (;;) {
        const QString answer = interaction.inputBox(request).value_or(QString());
        if (answer.isEmpty() || !mainMod::descriptionExists(answer, host_.document())) {
            return answer;
        }
        interaction.message(QStringLiteral("This description already exists.  Please\r\n"
                                           "retry and enter a unique description."),
                            QStringLiteral("Description Already Exists"), MsgIcon::Exclamation);
    }
}

void BrowserOperations::createFolder() {
    const QString description = askFolderDescription();
    if (description.isEmpty()) return;
    try {
        addFolder(description);
    } catch (const AppError& error) {
        host_.interaction().message(
            QStringLiteral("An unexpected error occurred trying to add this folder. Err #") +
                QString::number(error.number()) + QStringLiteral(", Description: ") +
                error.description(),
            QStringLiteral("Unexpected error"), MsgIcon::Exclamation);
    }
}

void BrowserOperations::addFolder(const QString& description) {
    doc::Document& document = host_.document();
    const QString name =
        mainMod::generateTypeName(description, mainMod::NewTypeKind::Folder, document, drawSuffix_);
    if (name.isEmpty()) {
        host_.interaction().message(
            QStringLiteral("You did not enter a valid description for this folder.  A "
                           "description must begin with a letter.  Folder not added."),
            QString(), MsgIcon::None);
        return;
    }
    QString parent = view_.selectedTypeName();
    if (parent.isEmpty()) parent = mainMod::kRootTypeName;
    const UndoStep step(host_, QStringLiteral("Create folder"), description);
    const QString stamp = host_.dateStamp();
    // A folder shows the icon it inherits, if any: its parent's.
    const QString icon = document.Path(parent).Path(mainMod::kIconParam);
    addType(name, parent,
            {{mainMod::kDescriptionParam, description},
             {mainMod::kLastUpdateParam, stamp},
             {mainMod::kTypeParam, mainMod::kTypeFolder}},
            kFolderCreated, {name, parent, description, icon, stamp});
    view_.appendQuickFindEntry(description);

    const QString image = icon.isEmpty() ? kFolderImage : icon;
    const QString selectedImage = image == kFolderImage ? kFolderSelectedImage : image;
    view_.addTreeNode(parent, name, description, image, selectedImage);
    host_.markModified();
    view_.refreshNode(name, true);
}

void BrowserOperations::setUserAgent() {
    const QString name = view_.selectedTypeName();
    if (name.isEmpty()) return;
    doc::TypeObject& type = host_.document().Path(name);
    const InputRequest request{userAgentPrompt(), QStringLiteral("Set matching user agent string"),
                               type.Path(mainMod::kUserAgentParam)};
    const QString pattern = host_.interaction().inputBox(request).value_or(QString());
    if (pattern.isEmpty()) return;

    const UndoStep step(host_, QStringLiteral("Set user agent of"), view_.selectedNodeText());
    const QString stamp = host_.dateStamp();
    host_.writeMergeRecord(kUserAgentSet, {name, {}, pattern, {}, stamp});
    type.SetParamDefValue(mainMod::kUserAgentParam, pattern);
    type.SetParamDefValue(mainMod::kLastUpdateParam, stamp);
    if (view_.showSystemProperties()) view_.refreshNode(name, true);
    view_.setTitleLabel(QStringLiteral("Browser: ") + view_.selectedNodeText() +
                        QStringLiteral("  (") + pattern + QLatin1Char(')'));
    host_.markModified();
}

void BrowserOperations::deleteSelectedType() {
    const QString name = view_.selectedTypeName();
    const QString parent = view_.parentNodeKey(name);
    // The command is offered only for leaves below the root: a type others derive from
    // would take its children out of the tree with it.
    if (name.isEmpty() || parent.isEmpty() || view_.selectedNodeHasChildren()) return;
    const UndoStep step(host_, QStringLiteral("Delete"), view_.selectedNodeText());

    host_.writeMergeRecord(kTypeDeleted, {name, {}, {}, {}, {}});
    host_.document().Path(name).SetParamDefValue(mainMod::kTypeParam, mainMod::kTypeDeleted);
    if (!deletedTypes_.contains(name, Qt::CaseInsensitive)) deletedTypes_ << name;

    view_.removeTreeNode(name);
    view_.rebuildQuickFind();
    view_.selectTreeNode(parent);
    host_.markModified();
    view_.refreshNode(parent, false);
}

}  // namespace sentrel::editing
