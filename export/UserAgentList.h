#pragma once

#include <QString>
#include <QStringList>

namespace sentrel::exporting {

// The Hit Tester's user agents: the items of its combo box and the text in its edit field,
// the user agent to test.
class UserAgentList {
  public:
    const QStringList& items() const { return items_; }
    const QString& currentText() const { return currentText_; }
    void setCurrentText(const QString& text) { currentText_ = text; }

    // True when an item equals the text, compared without regard to case.
    bool IsListedUserAgent(const QString& text) const;
    void append(const QString& item) { items_.append(item); }
    void append(const QStringList& items) { items_.append(items); }
    // Makes the first item the current text (nothing when the list is empty).
    void selectFirst();
    // Empties the list and the edit field.
    void clear();

  private:
    QStringList items_;
    QString currentText_;
};

}  // namespace sentrel::exporting
