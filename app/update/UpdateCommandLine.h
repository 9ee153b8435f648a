#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace sentrel::update {

// The arguments of sentrel-update: [--source ADDRESS] [--check | --quiet], or --help.
struct UpdateCommandLine {
    enum class Mode {
        Window,  // the update with its progress window (as the editor and the wizard start it)
        Check,   // only whether a newer release is available
        Quiet,   // the update without a window, one summary line (for cron)
        Help,
    };

    Mode mode = Mode::Window;
    std::optional<QString> source;  // --source: recorded as the update source first
    QString error;                  // what is wrong with the arguments; empty when nothing

    // The arguments after the program's name.
    static UpdateCommandLine parse(const QStringList& arguments);
    // The usage text of --help (ready to become a manual page).
    static QString usage();
};

}  // namespace sentrel::update
