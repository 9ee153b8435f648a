#include "export/TestForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "export/HitTester.h"

namespace sentrel::exporting {

namespace {
constexpr int kBandWidth = 500;
constexpr int kComboWidth = 400;
}  // namespace

TestForm::TestForm(HitTester& tester, QWidget* parent) : QMainWindow(parent), tester_(tester) {
    setObjectName(QStringLiteral("TestForm"));
    setWindowTitle(kCaption);
    setWindowFlag(Qt::Window);
    buildMenu();
    buildToolBand();
    buildResults();
    tester_.setResultShown([this] {
        showResult();
        lvTestView_->repaint();
    });
    resize(640, 480);
    refresh();
    // Escape closes the window as it closes a dialog (closing only hides it).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

TestForm::~TestForm() {
    tester_.setResultShown({});
}

QAction* TestForm::addCommand(QWidget* owner, const QString& name, const QString& caption,
                              const QString& tip) {
    QAction* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setToolTip(tip);
    action->setStatusTip(tip);
    connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
    owner->addAction(action);
    return action;
}

void TestForm::buildMenu() {
    QMenu* agents = menuBar()->addMenu(QStringLiteral("&Agents"));
    agents->setObjectName(QStringLiteral("Agents"));
    addCommand(agents, QStringLiteral("miFileNew"), QStringLiteral("&New"),
               QStringLiteral("Creates a new, blankbrowser list"));
    addCommand(agents, QStringLiteral("miFileOpen"), QStringLiteral("&Open..."),
               QStringLiteral("Opens or finds a browser list"));
    addCommand(agents, QStringLiteral("miTest"), QStringLiteral("&Test"),
               QStringLiteral("Test current browser"));
    agents->addSeparator();
    addCommand(agents, QStringLiteral("miFileExit"), QStringLiteral("E&xit"),
               QStringLiteral("Close the browser hit test window"));
}

void TestForm::buildToolBand() {
    QToolBar* band = addToolBar(QStringLiteral("User Agents"));
    band->setObjectName(QStringLiteral("User Agents"));
    band->setMinimumWidth(kBandWidth);
    band->addWidget(new QLabel(QStringLiteral("User Agent "), band));
    cbUserAgents_ = new QComboBox(band);
    cbUserAgents_->setObjectName(QStringLiteral("cbUserAgents"));
    cbUserAgents_->setEditable(true);
    cbUserAgents_->setInsertPolicy(QComboBox::NoInsert);
    cbUserAgents_->setToolTip(QStringLiteral("List of user agents"));
    cbUserAgents_->setMinimumWidth(kComboWidth);
    cbUserAgents_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    band->addWidget(cbUserAgents_);
    addCommand(band, QStringLiteral("miTest"), QStringLiteral("Test"),
               QStringLiteral("Test this user agent"));
    connect(cbUserAgents_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { runCommand(QStringLiteral("miTest")); });
}

void TestForm::buildResults() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    lblMatch_ = new QLabel(central);
    lblMatch_->setObjectName(QStringLiteral("lblMatch"));
    lblMatch_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = lblMatch_->font();
    bold.setBold(true);
    lblMatch_->setFont(bold);
    lblMatchString_ = new QLabel(central);
    lblMatchString_->setObjectName(QStringLiteral("lblMatchString"));
    lblMatchString_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* frame = new QGroupBox(QStringLiteral("Results"), central);
    auto* frameLayout = new QVBoxLayout(frame);
    lvTestView_ = new QTreeWidget(frame);
    lvTestView_->setObjectName(QStringLiteral("lvTestView"));
    lvTestView_->setHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    lvTestView_->setRootIsDecorated(false);
    lvTestView_->header()->resizeSection(0, 200);
    frameLayout->addWidget(lvTestView_);
    // The two result lines, each with its caption.
    auto* match = new QFormLayout;
    match->addRow(QStringLiteral("Matched entry:"), lblMatch_);
    match->addRow(QStringLiteral("Match string:"), lblMatchString_);
    layout->addLayout(match);
    layout->addWidget(frame, 1);
    setCentralWidget(central);
}

void TestForm::runCommand(const QString& name) {
    if (name == QLatin1String("miFileExit")) {
        hide();
        return;
    }
    tester_.userAgents().setCurrentText(cbUserAgents_->currentText());
    if (name == QLatin1String("miTest")) {
        tester_.testCurrent();
    } else if (name == QLatin1String("miFileOpen")) {
        tester_.LoadUserAgentFile();
    } else if (name == QLatin1String("miFileNew")) {
        tester_.newList();
    }
    refresh();
}

void TestForm::refresh() {
    showList();
    showResult();
}

// The items are set again only when the list changed: lists of many thousand agents are
// common.
void TestForm::showList() {
    const UserAgentList& list = tester_.userAgents();
    if (list.items() != shownItems_) {
        const QSignalBlocker block(cbUserAgents_);
        cbUserAgents_->clear();
        cbUserAgents_->addItems(list.items());
        shownItems_ = list.items();
    }
    cbUserAgents_->setEditText(list.currentText());
}

void TestForm::showResult() {
    const HitTestResult& result = tester_.result();
    lvTestView_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const auto& [name, value] : result.rows)
        rows.append(new QTreeWidgetItem(QStringList{name, value}));
    lvTestView_->addTopLevelItems(rows);
    lblMatch_->setText(result.description);
    lblMatchString_->setText(result.matchString);
}

void TestForm::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void TestForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) tester_.deactivated();
}

}  // namespace sentrel::exporting
