#pragma once

#include <QMainWindow>
#include <QStringList>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace sentrel::exporting {

class HitTester;

// The Hit Tester window: menu "&Agents", the tool band "User Agents" with the combo box of
// user agents and a Test button, the results list and the two match labels. It shows the
// tester's list and result and forwards its commands; closing it only hides it.
class TestForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TestForm(HitTester& tester, QWidget* parent = nullptr);
    ~TestForm() override;

    // Runs a command of the window by its name: "miTest", "miFileOpen", "miFileNew",
    // "miFileExit".
    void runCommand(const QString& name);
    // Shows the tester's list and result again.
    void refresh();
    // Lets the next close really close (the main window is unloading).
    void allowClose() { closeAllowed_ = true; }

    QComboBox* userAgents() const { return cbUserAgents_; }
    QTreeWidget* results() const { return lvTestView_; }
    QLabel* matchLabel() const { return lblMatch_; }
    QLabel* matchStringLabel() const { return lblMatchString_; }

    static inline const QString kCaption = QStringLiteral(" Sentrel Hit Tester");

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenu();
    void buildToolBand();
    void buildResults();
    QAction* addCommand(QWidget* owner, const QString& name, const QString& caption,
                        const QString& tip);
    void showList();
    void showResult();

    HitTester& tester_;
    QComboBox* cbUserAgents_ = nullptr;
    QTreeWidget* lvTestView_ = nullptr;
    QLabel* lblMatch_ = nullptr;
    QLabel* lblMatchString_ = nullptr;
    QStringList shownItems_;
    bool closeAllowed_ = false;
};

}  // namespace sentrel::exporting
