#include "editor/lifecycle/LifecycleContext.h"

#include <QLocale>

#include "editor/lifecycle/LifecycleView.h"
#include "reporting/DocumentVersionFields.h"
#include "reporting/OptionStore.h"
#include "shell/Interaction.h"

namespace sentrel::lifecycle {

void LifecycleContext::rememberFile(const QString& path) {
    recent.manageLRU(path, QStringLiteral("ADD"));
    if (!RecentFiles::isTemplate(path)) shellRecent.addToDocuementsShortcut(path);
}

void LifecycleContext::showVersion() {
    doc::Document& document = *state.document();
    const int major = doc::internals::BDFMajorVer(document);
    const int minor = doc::internals::BDFMinorver(document);
    const QDateTime updated = doc::internals::BDFLastUpdate(document);
    if (options) options->version.show(major, minor);
    view.setStatusText(QStringLiteral("Version"), DocumentVersionFields::statusText(major, minor));
    view.setStatusText(QStringLiteral("Update"),
                       QStringLiteral(" BDF updated: ") +
                           QLocale().toString(updated, QLocale::ShortFormat) + u' ');
}

void LifecycleContext::setStatus(const QString& text) {
    view.setStatusText(QStringLiteral("Status"), text);
}

MsgAnswer LifecycleContext::tell(const MessageRequest& message) {
    return interaction.message(message);
}

}  // namespace sentrel::lifecycle
