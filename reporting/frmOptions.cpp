#include "reporting/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "reporting/CacheFieldText.h"
#include "reporting/DatabaseTabState.h"
#include "reporting/OptionStore.h"
#include "reporting/OptionsEnabling.h"
#include "reporting/OptionsTab.h"

namespace sentrel {

namespace {

// The entries of "Log setting:", in list order.
constexpr LoggingType kLogSettings[] = {LoggingType::None, LoggingType::UnknownBrowsers,
                                        LoggingType::AllBrowsers};

int logSettingIndex(LoggingType type) {
    for (int index = 0; index < int(std::size(kLogSettings)); ++index) {
        if (kLogSettings[index] == type) return index;
    }
    return 0;
}

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* lineEdit(const char* name) {
    return named(new QLineEdit, name);
}

// A box for a number of up to `digits` digits, as wide as that number and no wider.
QLineEdit* numberEdit(const char* name, int digits) {
    QLineEdit* edit = lineEdit(name);
    const int text = edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
    edit->setMaximumWidth(text + 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 12);
    return edit;
}

QCheckBox* checkBox(const QString& caption, const char* name) {
    return named(new QCheckBox(caption), name);
}

QPushButton* button(const QString& caption, const char* name) {
    return named(new QPushButton(caption), name);
}

QLabel* label(const QString& caption, QWidget* buddy = nullptr) {
    auto* result = new QLabel(caption);
    if (buddy) result->setBuddy(buddy);
    return result;
}

QComboBox* editableCombo(const char* name) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(true);
    return combo;
}

// A page whose frames are stacked from the top; a button among them keeps its own width.
QWidget* page(std::initializer_list<QWidget*> frames) {
    auto* result = new QWidget;
    auto* layout = new QVBoxLayout(result);
    for (QWidget* frame : frames)
        layout->addWidget(frame, 0,
                          qobject_cast<QPushButton*>(frame) ? Qt::AlignLeft : Qt::Alignment());
    layout->addStretch();
    return result;
}

void enableAll(const QList<QWidget*>& widgets, bool enabled) {
    for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

frmOptions::frmOptions(OptionsController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(kCaption);
    tabs_ = named(new QTabWidget, "SSTab1");
    buildGeneralTab();
    buildLoggingTab();
    buildCacheTab();
    buildReportingTab();
    buildDatabaseTab();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    buildButtons();
    connectRules();
    showOptions();
}

void frmOptions::buildGeneralTab() {
    txMajorver_ = numberEdit("txMajorver", 6);
    txMinorver_ = numberEdit("txMinorver", 6);
    chkVerIncrement_ = checkBox(QStringLiteral("&Increment version on save"), "chkVerIncrement");
    auto* lblMajor = label(QStringLiteral("M&ajor version:"), txMajorver_);
    auto* lblMinor = label(QStringLiteral("Mi&nor version:"), txMinorver_);
    auto* version = new QGroupBox(QStringLiteral("Version control"));
    auto* versionGrid = new QGridLayout(version);
    versionGrid->addWidget(lblMajor, 0, 0);
    versionGrid->addWidget(txMajorver_, 0, 1);
    versionGrid->addWidget(lblMinor, 0, 2);
    versionGrid->addWidget(txMinorver_, 0, 3);
    versionGrid->addWidget(chkVerIncrement_, 1, 0, 1, 4);
    versionGrid->setColumnStretch(4, 1);
    versionControls_ = {lblMajor, txMajorver_, lblMinor, txMinorver_};

    chkShowVer_ = checkBox(QStringLiteral("Show &version properties"), "chkShowVer");
    chkShowSys_ = checkBox(QStringLiteral("Show system &properties"), "chkShowSys");
    auto* properties = new QGroupBox(QStringLiteral("Property settings"));
    auto* propertyList = new QVBoxLayout(properties);
    propertyList->addWidget(chkShowVer_);
    propertyList->addWidget(chkShowSys_);

    chkAutoload_ =
        checkBox(QStringLiteral("&Load the BDF specified below at start-up"), "chkAutoload");
    txAutoloadBDF_ = lineEdit("txAutoloadBDF");
    auto* startup = new QGroupBox(QStringLiteral("Editor Start-up"));
    auto* startupList = new QVBoxLayout(startup);
    startupList->addWidget(chkAutoload_);
    startupList->addWidget(txAutoloadBDF_);
    startupControls_ = {txAutoloadBDF_};

    tabs_->addTab(page({version, properties, startup}), optionsTabCaption(OptionsTab::General));
}

void frmOptions::buildLoggingTab() {
    chkLogging_ = checkBox(QStringLiteral("&Enable logging of user agents"), "chkLogging");
    cboLogType_ = named(new QComboBox, "cboLogType");
    cboLogType_->addItems({QStringLiteral("None"), QStringLiteral("Unknown browsers"),
                           QStringLiteral("All browsers")});
    cboServerID_ = named(new QComboBox, "cboServerID");
    txLogFile_ = lineEdit("txLogFile");
    chkLogHitTester_ =
        checkBox(QStringLiteral("Log user agents from Hit Tester"), "chkLogHitTester");
    auto* lblLogType = label(QStringLiteral("&Log setting:"), cboLogType_);
    auto* lblServerID = label(QStringLiteral("&Server ID:"), cboServerID_);
    auto* lblLogFile = label(QStringLiteral("Log &file:"), txLogFile_);
    auto* note = label(QStringLiteral(
        "Note: These logging options provide a very basic way to record just the user agent and "
        "date/time of browsers hitting your site.  For more more advanced reporting options see "
        "the Reporting Options tab."));
    note->setWordWrap(true);

    auto* frame = new QGroupBox(QStringLiteral("Logging options"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(chkLogging_, 0, 0, 1, 2);
    grid->addWidget(lblLogType, 1, 0);
    grid->addWidget(cboLogType_, 1, 1);
    grid->addWidget(lblServerID, 2, 0);
    grid->addWidget(cboServerID_, 2, 1);
    grid->addWidget(lblLogFile, 3, 0);
    grid->addWidget(txLogFile_, 3, 1);
    grid->addWidget(chkLogHitTester_, 4, 0, 1, 2);
    grid->addWidget(note, 5, 0, 1, 2);
    loggingControls_ = {lblLogType, cboLogType_, lblServerID,     cboServerID_,
                        lblLogFile, txLogFile_,  chkLogHitTester_};
    tabs_->addTab(page({frame}), optionsTabCaption(OptionsTab::Logging));
}

void frmOptions::buildCacheTab() {
    ckPerfMode_ = checkBox(QStringLiteral("&Enable Norvane Prontache(tm) technology (recommended)"),
                           "ckPerfMode");
    txCacheMax_ = numberEdit("txCacheMax", 12);
    txCacheTimeout_ = numberEdit("txCacheTimeout", 8);
    txCacheClean_ = numberEdit("txCacheClean", 8);
    auto* recommend = button(QStringLiteral("Recommend my cache settings..."), "cmdRecommend");
    auto* notes = button(QStringLiteral("Important Notes..."), "cmdNotes");
    connect(recommend, &QPushButton::clicked, this, &frmOptions::onRecommend);
    connect(notes, &QPushButton::clicked, this, [this] { controller_.showCacheTips(); });

    const QList<QWidget*> labels = {
        label(QStringLiteral("Maximum memory available to cache:"), txCacheMax_),
        label(QStringLiteral("Bytes")),
        label(QStringLiteral("/ isolated proc.")),
        label(QStringLiteral("Cache time out period:"), txCacheTimeout_),
        label(QStringLiteral("Seconds")),
        label(QStringLiteral("Cache clean interval:"), txCacheClean_),
        label(QStringLiteral("Seconds")),
    };
    auto* frame = new QGroupBox(QStringLiteral("Performance settings"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(ckPerfMode_, 0, 0, 1, 4);
    grid->addWidget(labels[0], 1, 0);
    grid->addWidget(txCacheMax_, 1, 1);
    grid->addWidget(labels[1], 1, 2);
    grid->addWidget(labels[2], 1, 3);
    grid->addWidget(labels[3], 2, 0);
    grid->addWidget(txCacheTimeout_, 2, 1);
    grid->addWidget(labels[4], 2, 2);
    grid->addWidget(labels[5], 3, 0);
    grid->addWidget(txCacheClean_, 3, 1);
    grid->addWidget(labels[6], 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(recommend);
    buttons->addWidget(notes);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    cacheControls_ =
        labels + QList<QWidget*>{txCacheMax_, txCacheTimeout_, txCacheClean_, recommend};
    tabs_->addTab(page({frame}), optionsTabCaption(OptionsTab::Cache));
}

void frmOptions::buildReportingTab() {
    optThisServer_ =
        named(new QRadioButton(QStringLiteral("&Run the Sentrel Reports Service on this server")),
              "optThisServer");
    optRemote_ = named(new QRadioButton(QStringLiteral(
                           "&Use Sentrel Reports Service installed on another server (Enter Web "
                           "Service URL below)")),
                       "optRemote");
    txtWebAddress_ = lineEdit("txtWebAddress");
    txtWebDir_ = lineEdit("txtWebDir");
    txtLogDir_ = lineEdit("txtLogDir");
    txtURL_ = lineEdit("txtURL");
    auto* selectDir = button(QStringLiteral("S&elect ..."), "cmdSelectWebDir");
    auto* test = button(QStringLiteral("&Test"), "cmdTest");
    auto* selectProperties =
        button(QStringLiteral("&Select properties to log..."), "cmdSelectProperties");
    auto* lblWebAddress =
        label(QStringLiteral("Web address of this server (for example http://www.example.com):"),
              txtWebAddress_);
    auto* lblWebDir = label(
        QStringLiteral("Apache dir to run the web service under (for example /var/www/srws):"),
        txtWebDir_);
    auto* lblLogDir =
        label(QStringLiteral("&Directory to store log files for troubleshooting"), txtLogDir_);
    auto* lblURL = label(
        QStringLiteral("SN Reports Web Service URL (for example http://www.example.com/srws/):"),
        txtURL_);

    auto* frame = new QGroupBox(QStringLiteral("Sentrel Reports Web Service location"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(optThisServer_, 0, 0, 1, 2);
    grid->addWidget(lblWebAddress, 1, 0, 1, 2);
    grid->addWidget(txtWebAddress_, 2, 0, 1, 2);
    grid->addWidget(lblWebDir, 3, 0, 1, 2);
    grid->addWidget(txtWebDir_, 4, 0);
    grid->addWidget(selectDir, 4, 1);
    grid->addWidget(lblLogDir, 5, 0, 1, 2);
    grid->addWidget(txtLogDir_, 6, 0, 1, 2);
    grid->addWidget(optRemote_, 7, 0, 1, 2);
    grid->addWidget(lblURL, 8, 0, 1, 2);
    grid->addWidget(txtURL_, 9, 0);
    grid->addWidget(test, 9, 1);
    locationControls_ = {lblWebAddress, txtWebAddress_, lblWebDir, txtWebDir_,
                         selectDir,     lblLogDir,      txtLogDir_};
    connect(selectDir, &QPushButton::clicked, this,
            [this] { onReporting([](ReportingTabs& tabs) { tabs.selectWebDirectory(); }); });
    connect(test, &QPushButton::clicked, this,
            [this] { onReporting([](ReportingTabs& tabs) { tabs.testSrws(); }); });
    connect(selectProperties, &QPushButton::clicked, this,
            [this] { onReporting([](ReportingTabs& tabs) { tabs.selectPropertiesToLog(); }); });
    tabs_->addTab(page({frame, selectProperties}), optionsTabCaption(OptionsTab::ReportingOptions));
}

void frmOptions::buildDatabaseTab() {
    optAccess_ = named(new QRadioButton(QStringLiteral("&SQLite file:")), "optAccess");
    optSQLServer_ = named(new QRadioButton(QStringLiteral("&PostgreSQL (fill out options below)")),
                          "optSQLServer");
    txtAccessPath_ = lineEdit("txtAccessPath");
    cboServer_ = editableCombo("cboServer");
    chkNTAuthentication_ = checkBox(QStringLiteral("Use the operating system's own authentication"),
                                    "chkNTAuthentication");
    txtUsername_ = lineEdit("txtUsername");
    txtPassword_ = lineEdit("txtPassword");
    txtPassword_->setEchoMode(QLineEdit::Password);
    cboDatabase_ = editableCombo("cboDatabase");
    txtTableOwner_ = lineEdit("txtTableOwner");
    lblDbStatus_ = named(new QLabel, "lblDbStatus");
    lblDbStatus_->setWordWrap(true);
    auto* selectAccess = button(QStringLiteral("S&elect..."), "cmdSelectAccess");
    auto* lookup = button(QStringLiteral("&Lookup..."), "cmdLookup");
    auto* testSettings = button(QStringLiteral("&Test Settings"), "cmdTestSettings");
    auto* initialize = button(QStringLiteral("&Initialize Report Tables"), "cmdInitTables");

    auto* lblServer = label(QStringLiteral("PostgreSQL server:"), cboServer_);
    auto* lblUsername = label(QStringLiteral("Username:"), txtUsername_);
    auto* lblPassword = label(QStringLiteral("Password:"), txtPassword_);
    auto* lblDatabase = label(QStringLiteral("Database:"), cboDatabase_);
    auto* lblTableOwner = label(QStringLiteral("Table Owner:"), txtTableOwner_);

    auto* frame = named(new QGroupBox(QStringLiteral("Database settings")), "fraDatabase");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(optAccess_, 0, 0);
    grid->addWidget(txtAccessPath_, 0, 1);
    grid->addWidget(selectAccess, 0, 2);
    grid->addWidget(optSQLServer_, 1, 0, 1, 3);
    grid->addWidget(lblServer, 2, 0);
    grid->addWidget(cboServer_, 2, 1);
    grid->addWidget(chkNTAuthentication_, 3, 1, 1, 2);
    grid->addWidget(lblUsername, 4, 0);
    grid->addWidget(txtUsername_, 4, 1);
    grid->addWidget(lblPassword, 5, 0);
    grid->addWidget(txtPassword_, 5, 1);
    grid->addWidget(lblDatabase, 6, 0);
    grid->addWidget(cboDatabase_, 6, 1);
    grid->addWidget(lookup, 6, 2);
    grid->addWidget(lblTableOwner, 7, 0);
    grid->addWidget(txtTableOwner_, 7, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(testSettings);
    buttons->addWidget(initialize);
    buttons->addStretch();
    grid->addLayout(buttons, 8, 0, 1, 3);
    grid->addWidget(lblDbStatus_, 9, 0, 1, 3);
    fraDatabase_ = frame;
    selectAccess_ = selectAccess;
    lookup_ = lookup;
    serverBoxControls_ = {lblServer, cboServer_};
    serverFieldControls_ = {chkNTAuthentication_, lblDatabase, cboDatabase_, lblTableOwner,
                            txtTableOwner_};
    userControls_ = {lblUsername, txtUsername_, lblPassword, txtPassword_};
    testButtons_ = {testSettings, initialize};
    const auto onClick = [this](QPushButton* button, void (ReportingTabs::*action)()) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            onReporting([action](ReportingTabs& tabs) { (tabs.*action)(); });
        });
    };
    onClick(selectAccess, &ReportingTabs::selectAccessFile);
    onClick(lookup, &ReportingTabs::lookup);
    onClick(testSettings, &ReportingTabs::testSettings);
    onClick(initialize, &ReportingTabs::initializeReportTables);
    tabs_->addTab(page({frame}), optionsTabCaption(OptionsTab::ReportsDatabase));
}

void frmOptions::buildButtons() {
    auto* ok = button(QStringLiteral("OK"), "cmdOK");
    auto* cancel = button(QStringLiteral("&Cancel"), "cmdCancel");
    auto* help = button(QStringLiteral("&Help"), "cmdHelp");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmOptions::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { controller_.help(tabs_->currentIndex()); });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(help);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void frmOptions::connectRules() {
    connect(tabs_, &QTabWidget::currentChanged, this, &frmOptions::onTabChanged);
    connect(chkLogging_, &QCheckBox::toggled, this, &frmOptions::onLoggingToggled);
    for (QAbstractButton* toggle : {static_cast<QAbstractButton*>(chkAutoload_),
                                    static_cast<QAbstractButton*>(ckPerfMode_)}) {
        connect(toggle, &QAbstractButton::toggled, this, [this] {
            if (filling_) return;
            collectOptions();
            applyEnabling();
        });
    }
    connectReportingTabs();
    connectDatabaseTab();
}

template <class Handler>
void frmOptions::onReporting(Handler handler) {
    if (filling_) return;
    handler(controller_.reportingTabs());
    showReportingTabs();
}

template <class Check>
void frmOptions::onLeave(QLineEdit* box, QString OptionStore::*field, Check check) {
    // The checks apply to the user's editing, not while the dialog is hidden or closing.
    if (filling_ || !isVisible()) return;
    controller_.options().*field = box->text();
    const bool accepted = check(controller_.reportingTabs());
    showReportingTabs();
    if (!accepted) box->setFocus();
}

void frmOptions::connectReportingTabs() {
    connect(optRemote_, &QRadioButton::toggled, this, [this](bool remote) {
        onReporting([remote](ReportingTabs& tabs) { tabs.setUseThisMachine(!remote); });
    });
    connect(txtWebAddress_, &QLineEdit::textChanged, this, [this](const QString& text) {
        onReporting([&text](ReportingTabs& tabs) { tabs.webAddressChanged(text); });
    });
    connect(txtWebAddress_, &QLineEdit::editingFinished, this, [this] {
        onLeave(txtWebAddress_, &OptionStore::srwsLocalWebAddress, [](ReportingTabs& tabs) {
            tabs.leaveWebAddress();
            return true;
        });
    });
    connect(txtURL_, &QLineEdit::textChanged, this, [this](const QString& text) {
        onReporting([&text](ReportingTabs& tabs) { tabs.urlChanged(text); });
    });
    connect(txtWebDir_, &QLineEdit::textChanged, this,
            [this](const QString& text) { controller_.options().srwsInstallPath = text; });
    connect(txtWebDir_, &QLineEdit::editingFinished, this, [this] {
        onLeave(txtWebDir_, &OptionStore::srwsInstallPath,
                [](ReportingTabs& tabs) { return tabs.leaveWebDirectory(); });
    });
    connect(txtLogDir_, &QLineEdit::textChanged, this,
            [this](const QString& text) { controller_.options().srwsLogFilePath = text; });
    connect(txtLogDir_, &QLineEdit::editingFinished, this, [this] {
        onLeave(txtLogDir_, &OptionStore::srwsLogFilePath,
                [](ReportingTabs& tabs) { return tabs.leaveLogDirectory(); });
    });
}

void frmOptions::connectDatabaseTab() {
    connect(optAccess_, &QRadioButton::toggled, this, [this](bool access) {
        onReporting([access](ReportingTabs& tabs) { tabs.setUseAccess(access); });
    });
    const auto onText = [this](QLineEdit* box, void (ReportingTabs::*set)(const QString&)) {
        connect(box, &QLineEdit::textChanged, this, [this, set](const QString& text) {
            onReporting([&text, set](ReportingTabs& tabs) { (tabs.*set)(text); });
        });
    };
    onText(txtAccessPath_, &ReportingTabs::setAccessDir);
    onText(txtUsername_, &ReportingTabs::setUsername);
    onText(txtPassword_, &ReportingTabs::setPassword);
    onText(txtTableOwner_, &ReportingTabs::setTableOwner);
    connect(chkNTAuthentication_, &QCheckBox::toggled, this, [this](bool on) {
        onReporting([on](ReportingTabs& tabs) { tabs.setUseNTAuthentication(on); });
    });
    // Choosing an entry sets the box's text to the entry's; anything else is typing.
    connect(cboServer_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const int index = cboServer_->currentIndex();
        const bool chosen = index >= 0 && cboServer_->itemText(index) == text;
        onReporting([&](ReportingTabs& tabs) {
            chosen ? tabs.chooseServer(index) : tabs.typeServerName(text);
        });
    });
    // Choosing the entry already current changes no text: the choice still counts.
    connect(cboServer_, &QComboBox::activated, this, [this](int index) {
        onReporting([index](ReportingTabs& tabs) { tabs.chooseServer(index); });
    });
    connect(cboDatabase_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        onReporting([&text](ReportingTabs& tabs) { tabs.setDatabase(text); });
    });
    connect(txtTableOwner_, &QLineEdit::editingFinished, this, [this] {
        onLeave(txtTableOwner_, &OptionStore::srwsTableOwner,
                [](ReportingTabs& tabs) { return tabs.leaveTableOwner(); });
    });
}

void frmOptions::showOptions() {
    // Filling the controls must not run their rules, which copy the controls into the store.
    const QScopedValueRollback<bool> filling(filling_, true);
    const OptionStore& store = controller_.options();
    txMajorver_->setText(store.version.majorText());
    txMinorver_->setText(store.version.minorText());
    chkVerIncrement_->setChecked(store.verIncrement);
    chkShowVer_->setChecked(store.propShowVer);
    chkShowSys_->setChecked(store.propShowSys);
    chkAutoload_->setChecked(store.autoload);
    txAutoloadBDF_->setText(store.autoloadBDF);

    chkLogging_->setChecked(store.loggingEnabled);
    cboLogType_->setCurrentIndex(logSettingIndex(store.loggingType));
    cboServerID_->clear();
    cboServerID_->addItem(QStringLiteral("All"));
    txLogFile_->setText(store.logFile);
    chkLogHitTester_->setChecked(store.loggingHitTester);

    ckPerfMode_->setChecked(store.perfMode);
    showCache({store.perfCacheMaximum, store.perfCacheTimeout, store.perfCacheCleanInterval});

    showReportingTabs();
}

namespace {

// Sets a box's text only when it differs, so that the cursor of the box being typed in stays.
void showText(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

}  // namespace

void frmOptions::showReportingTabs() {
    const QScopedValueRollback<bool> filling(filling_, true);
    const OptionStore& store = controller_.options();
    (store.srwsRemote ? optRemote_ : optThisServer_)->setChecked(true);
    showText(txtWebAddress_, store.srwsLocalWebAddress);
    showText(txtWebDir_, store.srwsInstallPath);
    showText(txtLogDir_, store.srwsLogFilePath);
    showText(txtURL_, store.srwsURL);

    (store.srwsProviderType == SrwsProvider::Access ? optAccess_ : optSQLServer_)->setChecked(true);
    showText(txtAccessPath_, store.srwsMDBPath);
    showServerList();
    chkNTAuthentication_->setChecked(store.srwsIntegratedSecurity);
    showText(txtUsername_, store.srwsUsername);
    showText(txtPassword_, store.srwsPassword);
    const QStringList& databases = controller_.reportingFlags().databaseEntries;
    if (cboDatabase_->count() != databases.size()) {
        cboDatabase_->clear();
        cboDatabase_->addItems(databases);
    }
    if (cboDatabase_->currentText() != store.srwsDatabase)
        cboDatabase_->setEditText(store.srwsDatabase);
    showText(txtTableOwner_, store.srwsTableOwner);
    applyEnabling();
    showDatabaseState();
}

void frmOptions::showServerList() {
    const ReportingFlags& flags = controller_.reportingFlags();
    QStringList shown;
    for (int row = 0; row < cboServer_->count(); ++row) shown << cboServer_->itemText(row);
    if (shown != flags.serverEntries) {
        cboServer_->clear();
        cboServer_->addItems(flags.serverEntries);
    }
    if (flags.serverIndex >= 0) {
        cboServer_->setCurrentIndex(flags.serverIndex);
        cboServer_->setEditText(flags.serverEntries.value(flags.serverIndex));
    } else if (cboServer_->currentText() != controller_.options().srwsServer) {
        cboServer_->setEditText(controller_.options().srwsServer);
    }
}

void frmOptions::showDatabaseState() {
    const DatabaseTabView view = controller_.reportingTabs().ShowState();
    const DatabaseTabEnabling& on = view.enabled;
    lblDbStatus_->setText(view.status);
    // The frame's own switch also covers every control inside it.
    fraDatabase_->setEnabled(on.frame);
    enableAll({optAccess_, optSQLServer_}, on.frame);
    enableAll({txtAccessPath_, selectAccess_}, on.filePath);
    enableAll(serverBoxControls_, on.serverBox);
    enableAll(serverFieldControls_, on.serverFields);
    enableAll(userControls_, on.userAndPassword);
    lookup_->setEnabled(on.lookup);
    enableAll(testButtons_, on.testButtons);
}

void frmOptions::collectOptions() {
    OptionStore& store = controller_.options();
    store.version.setMajorText(txMajorver_->text());
    store.version.setMinorText(txMinorver_->text());
    store.verIncrement = chkVerIncrement_->isChecked();
    store.propShowVer = chkShowVer_->isChecked();
    store.propShowSys = chkShowSys_->isChecked();
    store.autoload = chkAutoload_->isChecked();
    store.autoloadBDF = txAutoloadBDF_->text();

    store.loggingEnabled = chkLogging_->isChecked();
    store.loggingType = kLogSettings[qMax(0, cboLogType_->currentIndex())];
    store.logFile = txLogFile_->text();
    store.loggingHitTester = chkLogHitTester_->isChecked();

    store.perfMode = ckPerfMode_->isChecked();
    store.perfCacheMaximum = cacheFieldNumber(txCacheMax_->text(), kDefaultCacheSettings.maximum);
    store.perfCacheTimeout =
        cacheFieldNumber(txCacheTimeout_->text(), kDefaultCacheSettings.timeout);
    store.perfCacheCleanInterval =
        cacheFieldNumber(txCacheClean_->text(), kDefaultCacheSettings.cleanInterval);

    // The reporting tabs' fields reach the store through their change handlers.
}

void frmOptions::applyEnabling() {
    const OptionsEnabling enabling = OptionsEnabling::of(controller_.options());
    enableAll(versionControls_, enabling.versionBoxes);
    enableAll(startupControls_, enabling.startupFileBox);
    enableAll(loggingControls_, enabling.loggingControls);
    enableAll(cacheControls_, enabling.cacheControls);
    enableAll(locationControls_, enabling.locationControls);
}

void frmOptions::showCache(const CacheSettings& settings) {
    txCacheMax_->setText(cacheFieldText(settings.maximum));
    txCacheTimeout_->setText(cacheFieldText(settings.timeout));
    txCacheClean_->setText(cacheFieldText(settings.cleanInterval));
}

int frmOptions::showModal() {
    showOptions();
    return exec();
}

void frmOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    // Activation may show a message: let the dialog appear under it first.
    QTimer::singleShot(0, this, &frmOptions::activate);
}

void frmOptions::activate() {
    activated_ = true;
    collectOptions();
    selectTab(controller_.activate());
}

void frmOptions::done(int result) {
    QDialog::done(result);
    activated_ = false;
    controller_.closed();
    showOptions();
}

void frmOptions::selectTab(int index) {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
    shownTab_ = index;
    // Entering Reports Database may have listed the servers.
    showReportingTabs();
}

void frmOptions::onTabChanged(int index) {
    collectOptions();
    const int shown = controller_.tabSelected(index);
    if (shown != index) selectTab(shown);
    shownTab_ = shown;
    showReportingTabs();
}

void frmOptions::onLoggingToggled(bool checked) {
    if (filling_) return;
    collectOptions();
    setLoggingEnabled(controller_.options(), checked);
    chkLogHitTester_->setChecked(controller_.options().loggingHitTester);
    applyEnabling();
}

void frmOptions::onRecommend() {
    if (const std::optional<CacheSettings> settings = controller_.recommendCache()) {
        showCache(*settings);
    }
}

void frmOptions::onOk() {
    collectOptions();
    const OptionsController::OkResult result = controller_.ok();
    if (result.showTab) selectTab(*result.showTab);
    if (result.close) {
        accept();
    } else {
        // OK may have completed the URL with its trailing "/" and run the verification.
        showReportingTabs();
    }
}

}  // namespace sentrel
