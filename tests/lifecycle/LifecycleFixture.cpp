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

}  // namespace sentrel::test
