#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace sentrel::editor {

// The five keyed panels of the main window's status bar: their texts, tooltips and whether
// each is switched on. The status bar widget follows this model.
class StatusPanels : public QObject {
    Q_OBJECT
  public:
    struct Panel {
        QString key;
        QString tooltip;
        QString text;
        bool enabled = true;
    };

    StatusPanels();

    const QList<Panel>& panels() const { return panels_; }
    // Empty for an unknown key.
    QString text(const QString& key) const;
    bool isEnabled(const QString& key) const;
    void setText(const QString& key, const QString& text);
    void setEnabled(const QString& key, bool enabled);

  signals:
    void panelChanged(const QString& key);

  private:
    Panel* find(const QString& key);
    const Panel* find(const QString& key) const;

    QList<Panel> panels_;
};

// The "Download" panel's content for the stored next-check value: " Next check: " + the
// date in the locale's short form + " " when it is a date (ISO 8601, or the locale's form),
// else " Next check: N/A " and switched off.
struct NextCheckStatus {
    QString text;
    bool enabled = false;

    static NextCheckStatus fromStored(const QString& nextCheck);
};

}  // namespace sentrel::editor
