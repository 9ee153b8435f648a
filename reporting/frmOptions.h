#pragma once

#include <QDialog>
#include <QList>

#include "reporting/OptionsController.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace sentrel {

struct OptionsEnabling;

// The Preferences and Options dialog: five tabs over the option store. The widget only
// shows the store and copies the user's edits back into it; what OK, Cancel, Help, the tab
// changes and the cache buttons do is the controller's. One instance is reused for the
// whole run. Controls carry object names for tests and scripts ("txMajorver", "ckPerfMode").
class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(OptionsController& controller, QWidget* parent = nullptr);

    static inline const QString kCaption = QStringLiteral(" Sentrel Preferences and Options");

    // Fills every control from the option store.
    void showOptions();
    // Copies every control into the option store.
    void collectOptions();
    // Fills the controls and shows the dialog modally until OK or Cancel.
    int showModal();
    // Opens on the tab to open (runs when the dialog is shown).
    void activate();

    QTabWidget* tabs() const { return tabs_; }

    // Closing the dialog (OK, Cancel, the close box, Escape) reloads the store from the key
    // store and shows it again.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildGeneralTab();
    void buildLoggingTab();
    void buildCacheTab();
    void buildReportingTab();
    void buildDatabaseTab();
    void buildButtons();
    void connectRules();
    void applyEnabling();
    void showCache(const CacheSettings& settings);
    void onOk();
    void onTabChanged(int index);
    void onLoggingToggled(bool checked);
    void onRecommend();
    void selectTab(int index);
    void connectReportingTabs();
    void connectDatabaseTab();
    // Runs a handler of the reporting tabs (not while the controls are being filled), then
    // shows the reporting controls again.
    template <class Handler>
    void onReporting(Handler handler);
    // Leaving a box: its text into the store, the check, the corrected text back; the box
    // keeps the focus when the check refuses it.
    template <class Check>
    void onLeave(QLineEdit* box, QString OptionStore::*field, Check check);
    void showReportingTabs();
    void showServerList();
    void showDatabaseState();

    OptionsController& controller_;
    QTabWidget* tabs_ = nullptr;
    int shownTab_ = 0;

    // General
    QLineEdit* txMajorver_ = nullptr;
    QLineEdit* txMinorver_ = nullptr;
    QCheckBox* chkVerIncrement_ = nullptr;
    QCheckBox* chkShowVer_ = nullptr;
    QCheckBox* chkShowSys_ = nullptr;
    QCheckBox* chkAutoload_ = nullptr;
    QLineEdit* txAutoloadBDF_ = nullptr;
    // Logging
    QCheckBox* chkLogging_ = nullptr;
    QComboBox* cboLogType_ = nullptr;
    QComboBox* cboServerID_ = nullptr;
    QLineEdit* txLogFile_ = nullptr;
    QCheckBox* chkLogHitTester_ = nullptr;
    // Cache
    QCheckBox* ckPerfMode_ = nullptr;
    QLineEdit* txCacheMax_ = nullptr;
    QLineEdit* txCacheTimeout_ = nullptr;
    QLineEdit* txCacheClean_ = nullptr;
    // Reporting Options
    QRadioButton* optThisServer_ = nullptr;
    QRadioButton* optRemote_ = nullptr;
    QLineEdit* txtWebAddress_ = nullptr;
    QLineEdit* txtWebDir_ = nullptr;
    QLineEdit* txtLogDir_ = nullptr;
    QLineEdit* txtURL_ = nullptr;
    // Reports Database
    QRadioButton* optAccess_ = nullptr;
    QRadioButton* optSQLServer_ = nullptr;
    QLineEdit* txtAccessPath_ = nullptr;
    QComboBox* cboServer_ = nullptr;
    QCheckBox* chkNTAuthentication_ = nullptr;
    QLineEdit* txtUsername_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    QComboBox* cboDatabase_ = nullptr;
    QLineEdit* txtTableOwner_ = nullptr;
    QLabel* lblDbStatus_ = nullptr;
    QGroupBox* fraDatabase_ = nullptr;
    QWidget* selectAccess_ = nullptr;
    QWidget* lookup_ = nullptr;
    QList<QWidget*> serverBoxControls_;    // the server label and box
    QList<QWidget*> serverFieldControls_;  // authentication, database, table owner
    QList<QWidget*> userControls_;         // user name and password with their labels
    QList<QWidget*> testButtons_;          // "&Test Settings", "&Initialize Report Tables"

    // Controls enabled together.
    QList<QWidget*> versionControls_;
    QList<QWidget*> startupControls_;
    QList<QWidget*> loggingControls_;
    QList<QWidget*> cacheControls_;
    QList<QWidget*> locationControls_;
    bool activated_ = false;
    bool filling_ = false;
};

}  // namespace sentrel
