#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace sentrel::editor {

// One command of the command bar. A tool is known by its name ("miFileNew"); every band
// that shows the name shows the same tool, so its caption and enabled state are shared.
struct CommandTool {
    QString name;
    QString caption;
    int id = 0;
    QString shortcut = {};  // portable key text, e.g. "Ctrl+N" ("; " between several)
    bool enabled = true;
    bool visible = true;      // tools without an action are kept but not shown
    QString buttonText = {};  // a toolbar button's text where the caption would be ambiguous
};

// A band: the menu bar (its entries name the menu bands), a menu ("File"), a toolbar
// ("Standard", the quick-find band) or a band that is never shown ("Updates"). Entries
// refer to tools by name; an entry may start a group.
struct CommandBand {
    enum class Kind { MenuBar, Menu, Toolbar, Hidden };
    struct Entry {
        QString tool;
        bool beginGroup = false;
    };
    QString name;
    QString caption;
    Kind kind = Kind::Menu;
    QList<Entry> entries;

    QStringList toolNames() const;
    int indexOf(const QString& tool) const;
};

// The quick-find combo box: its list, text and enabled state.
struct QuickFindState {
    QStringList items;
    QString text;
    bool enabled = false;
};

// The model of the menus and toolbars. The window builds its menus, toolbars and actions
// from it and follows its signals, so commands can be enabled, renamed, added and removed
// without any widget at hand.
class CommandBar : public QObject {
    Q_OBJECT
  public:
    // The name of the band that lists the sub-menu bands, in menu order.
    static inline const QString kMainMenu = QStringLiteral("MainMenu");

    void addTool(const CommandTool& tool);
    void addBand(const CommandBand& band);
    // Inserts a tool (added first when new) into a band at `position` (clamped).
    void insertTool(const QString& band, int position, const CommandTool& tool,
                    bool beginGroup = false);
    // Removes the tool from the band; a tool no band shows any more is forgotten.
    void removeTool(const QString& band, const QString& tool);

    bool hasTool(const QString& name) const { return tools_.contains(name); }
    const CommandTool* tool(const QString& name) const;
    const CommandBand* band(const QString& name) const;
    const QList<CommandBand>& bands() const { return bands_; }
    // The sub-menu bands named in the main menu, in menu order.
    QList<const CommandBand*> menuBands() const;
    QStringList toolNames() const;

    void setEnabled(const QString& tool, bool enabled);
    void setCaption(const QString& tool, const QString& caption);
    void setVisible(const QString& tool, bool visible);
    bool isEnabled(const QString& tool) const;

    const QuickFindState& quickFind() const { return quickFind_; }
    void setQuickFind(const QuickFindState& state);

  signals:
    void toolChanged(const QString& name);
    void bandChanged(const QString& name);
    void quickFindChanged();

  private:
    template <typename T>
    void update(const QString& name, T CommandTool::*field, const T& value);
    CommandBand* findBand(const QString& name);
    bool shownAnywhere(const QString& tool) const;

    QHash<QString, CommandTool> tools_;
    QList<CommandBand> bands_;
    QuickFindState quickFind_;
};

}  // namespace sentrel::editor
