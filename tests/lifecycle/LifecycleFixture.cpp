#include "LifecycleFixture.h"

#include <QFile>

#include "editor/lifecycle/PathNames.h"

namespace sentrel::test {

LifecycleTest::LifecycleTest() {
    QFile::copy(QStringLiteral(SENTREL_TEMPLATE), path(QStringLiteral("intmpl.bdf")));
    life.setBaseDirectory(dir.path());
    life.setOptionStore(&options);
    life.recentDocuments().setListPath(path(QStringLiteral("recently-used.xbel")));
    life.services().exportFile = [this](const QString& bdd, bool) {
        exported << bdd;
        return true;
    };
}

QString LifecycleTest::makeBdf(const QString& name, const QList<int>& priorities) {
    auto document = doc::Document::load(QStringLiteral(SENTREL_TEMPLATE));
    document->AddInheritedType(QStringLiteral("ie6"), QStringLiteral("DefaultBrowser"))
        .SetParamDefValue(QStringLiteral("i__description"), QStringLiteral("IE 6"));
    document->AddInheritedType(QStringLiteral("oldie"), QStringLiteral("DefaultBrowser"))
        .SetParamDefValue(QStringLiteral("i__type"), QStringLiteral("-1"));
    for (int i = 0; i < priorities.size(); ++i) {
        doc::FilterElement& filter = document->FiltersArray()[document->FiltersArray().Add()];
        filter.set(QStringLiteral("propToSet"), QStringLiteral("p%1").arg(i));
        filter.set(QStringLiteral("priority"), priorities[i]);
        filter.set(QStringLiteral("uId"), 100 + i);
    }
    document->save(path(name));
    return path(name);
}

QString LifecycleTest::openNew(const QString& name) {
    const QString file = makeBdf(name);
    dir.write(lifecycle::FileNameOnly(lifecycle::withLastThree(file, QStringLiteral("mrg"))), {});
    dir.write(lifecycle::FileNameOnly(lifecycle::withLastThree(file, QStringLiteral("bdd"))), {});
    life.OpenFile(file);
    return file;
}

void LifecycleTest::edit(const QString& value) {
    state.document()
        ->Path(QStringLiteral("ie6"))
        .SetParamDefValue(QStringLiteral("i__icon"), value);
    life.WriteMergeRecord(8, QStringLiteral("ie6"), QStringLiteral("i__icon"), value, {},
                          QStringLiteral("2026-12-06T10:00:00"));
    life.markModified();
}

QStringList LifecycleTest::titles() const {
    QStringList result;
    for (const MessageRequest& message : ui.messages()) result << message.title;
    return result;
}

MessageRequest LifecycleTest::saveChangesQuestion() {
    return {"Save Changes?", "Do you wish to save the changes you have made?", MsgIcon::Exclamation,
            MsgButtons::YesNoCancel, 1};
}

MessageRequest LifecycleTest::exportQuestion() {
    return {"Export BDF to BDD?",
            "There is no BDD file associated with this BDF.  Without a BDD file these browser "
            "definitions are not available to the Sentrel component.\r\n\r\nI can "
            "automatically create this BDD for you.  Would you like me to do so now?",
            MsgIcon::Question, MsgButtons::YesNo, 1};
}

MessageRequest LifecycleTest::noMergeFileQuestion(const QString& mergeFile) {
    return {"No merge file found",
            "The merge file " + mergeFile +
                " for the opened\r\ndefinition file can not be located. Would you like to "
                "create a new\r\nmerge file for it?\r\n\r\nNote: You should choose No if you "
                "have an existing merge file\r\nand want to make sure that previous "
                "customizations to the open BDF\r\ncan be merged with Norvane's definition file "
                "at a later time.",
            MsgIcon::Exclamation, MsgButtons::YesNo, 2};
}

}  // namespace sentrel::test
