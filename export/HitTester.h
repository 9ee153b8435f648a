#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

#include "detect/DefinitionsCache.h"
#include "export/TemporaryBdd.h"
#include "export/UserAgentList.h"

namespace sentrel {
class Interaction;
}
namespace sentrel::detect {
class BrowserObj;
}

namespace sentrel::exporting {

class HitTesterHost;

// What the last test found: the matched entry, its description and match string as the open
// document holds them, and every property the detection object lists, system properties
// ("i__...") left out.
struct HitTestResult {
    QString internalName;
    QString description;
    QString matchString;
    QList<std::pair<QString, QString>> rows;  // property, value
};

// The Hit Tester: feeds user agents through the detection library with the definitions
// being edited and shows what it detects. It works on temp.bdd in the base directory,
// rebuilt by the export whenever the definitions changed since it was last written, and on
// one detection object, kept by the main window until the file closes. The window shows its
// list and result and forwards the commands; the user is reached through the interaction.
class HitTester {
  public:
    HitTester(Interaction& interaction, HitTesterHost& host,
              detect::DefinitionsCache& cache = detect::DefinitionsCache::shared());

    // The window's first opening: without unsaved changes, the BDD beside the open file is
    // copied over temp.bdd. When there is none, or it is older than the file, or the copy
    // fails (which is reported), or there are unsaved changes, temp.bdd is marked out of date
    // and the first test builds it.
    void load();
    // The window's final unloading: temp.bdd is deleted.
    void unload();

    // Tests one user agent and fills the result; the browser tree follows the match.
    void TestUserAgent(const QString& userAgent);
    // The Test command: the current text is added to the list unless listed, then tested.
    void testCurrent();
    // Asks for a text file and appends its lines to the list.
    void LoadUserAgentFile();
    // Empties the list and the current text.
    void newList() { list_.clear(); }
    // Another window became the active one: the next match moves the tree again.
    void deactivated() { lastMatchedName_.clear(); }

    UserAgentList& userAgents() { return list_; }
    bool IsListedUserAgent(const QString& text) const { return list_.IsListedUserAgent(text); }
    const HitTestResult& result() const { return result_; }
    const QString& lastMatchedName() const { return lastMatchedName_; }
    const TemporaryBdd& temporaryBdd() const { return temporaryBdd_; }

    // Called when the result changed, before the tree follows the match, so the window can
    // show it at once.
    void setResultShown(std::function<void()> shown) { resultShown_ = std::move(shown); }

  private:
    bool refreshTemporaryBdd();
    void rebuildTemporaryBdd();
    detect::BrowserObj* detectionObject();
    bool detect(detect::BrowserObj& browser, const QString& userAgent);
    void fillResult(const detect::BrowserObj& browser);
    QString documentValue(const QString& entry, const QString& parameter,
                          const QString& fallback) const;
    void followMatch(const QString& name);
    QStringList readList(const QString& path);

    Interaction& interaction_;
    HitTesterHost& host_;
    detect::DefinitionsCache& cache_;
    TemporaryBdd temporaryBdd_;
    UserAgentList list_;
    HitTestResult result_;
    QString lastMatchedName_;
    std::function<void()> resultShown_;
};

}  // namespace sentrel::exporting
