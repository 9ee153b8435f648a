#include "OptionsFixture.h"

#include <QDir>

#include "document/testing/SyntheticDocument.h"

namespace sentrel::test {

namespace {
const QString kOptionsFile =
    "registry/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/Browser Editor/1.0/options/values.reg";
}

OptionsFixture::OptionsFixture()
    // Set before the registry module is made: it finds its folder when constructed.
    : registryFolderSet(qputenv("SENTREL_REGISTRY", dir.file("registry").toUtf8())) {
    restart();
}

OptionsFixture::~OptionsFixture() {
    qunsetenv("SENTREL_REGISTRY");
}

void OptionsFixture::restart() {
    controller.reset();
    store = std::make_unique<OptionStore>(registry, "/opt/sentrel");
    store->load();
    OptionsHost host;
    host.openDocument = [this] { return document.get(); };
    host.setVersionPanel = [this](const QString& text) { versionPanel << text; };
    host.markModified = [this] { modifiedMarks += inEditStep ? 1 : 100; };
    host.editStep = [this](const std::function<void()>& change) {
        inEditStep = true;
        change();
        inEditStep = false;
        ++editSteps;
    };
    host.showHelpTopic = [this](int context) { helpContexts << context; };
    host.setBusy = [this](bool busy) { busyCalls << busy; };
    host.openUrl = [this](const QString& url) { openedUrls << url; };
    controller = std::make_unique<OptionsController>(*store, ui, wizard, host);
    // No machine's own servers in the tests: an empty socket folder, no service files.
    controller->reportingTabs().setServerSources({dir.file("no-sockets"), {}});
}

void OptionsFixture::openDocument(int major, int minor) {
    doc::testing::SyntheticShape shape;
    shape.typeCount = 2;
    shape.userProperties = 1;
    shape.filterCount = 0;
    document = doc::testing::buildSyntheticDocument(shape);
    doc::internals::setBDFMajorVer(*document, major);
    doc::internals::setBDFMinorver(*document, minor);
    store->version.show(major, minor);
}

QByteArray OptionsFixture::optionsFile() const {
    const QString path = dir.file(kOptionsFile);
    return QFile::exists(path) ? TempDir::read(path) : QByteArray();
}

void OptionsFixture::writeOptionsFile(const QByteArray& lines) const {
    QDir().mkpath(QFileInfo(dir.file(kOptionsFile)).path());
    QFile file(dir.file(kOptionsFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines);
}

}  // namespace sentrel::test
