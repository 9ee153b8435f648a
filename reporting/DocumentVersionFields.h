#pragma once

#include <QString>
#include <optional>

namespace sentrel {

// The major and minor version of the open definition file as the General tab of the
// options shows them: the texts of the two boxes and whether the boxes are enabled (only
// while a file is open). The boxes are edited as text; the numbers are taken at OK.
class DocumentVersionFields {
  public:
    // A file was opened or the options were loaded with a file open: show its version, the
    // minor number with two digits ("3" shows as "03").
    void show(int major, int minor);
    // No file open: empty and disabled.
    void clear();

    bool enabled() const { return enabled_; }
    const QString& majorText() const { return major_; }
    const QString& minorText() const { return minor_; }
    void setMajorText(const QString& text) { major_ = text; }
    void setMinorText(const QString& text) { minor_ = text; }

    // The whole numbers in the boxes; an empty box counts as 0, anything that is not a
    // whole number in range gives nullopt so that it is never written as a silent 0.
    std::optional<int> major() const { return numberIn(major_); }
    std::optional<int> minor() const { return numberIn(minor_); }

    // Remembers the numbers now shown (when the dialog is activated) for changedSinceShown.
    void recordShown();
    // True when either box no longer holds the number it held at recordShown.
    bool changedSinceShown() const;

    // The main window's "Version" panel text for a version: " BDF Version: 1.03  ".
    static QString statusText(int major, int minor);
    // A minor version as shown: two digits at least, sign in front ("03", "-05", "120").
    static QString twoDigits(int number);

  private:
    static std::optional<int> numberIn(const QString& text);

    bool enabled_ = false;
    QString major_;
    QString minor_;
    std::optional<int> shownMajor_;
    std::optional<int> shownMinor_;
};

}  // namespace sentrel
