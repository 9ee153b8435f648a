#include "app/update/UpdateCommandLine.h"

namespace sentrel::update {

namespace {

// Sets the mode once; a second mode option is an error.
void chooseMode(UpdateCommandLine& line, UpdateCommandLine::Mode mode, const QString& option) {
    if (line.mode != UpdateCommandLine::Mode::Window && line.mode != mode)
        line.error = QStringLiteral("%1 cannot be combined with the other options.").arg(option);
    line.mode = mode;
}

}  // namespace

UpdateCommandLine UpdateCommandLine::parse(const QStringList& arguments) {
    UpdateCommandLine line;
    for (qsizetype i = 0; i < arguments.size() && line.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--check")) {
            chooseMode(line, Mode::Check, argument);
        } else if (argument == QLatin1String("--quiet")) {
            chooseMode(line, Mode::Quiet, argument);
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.mode = Mode::Help;
            return line;
        } else if (argument == QLatin1String("--source") && i + 1 < arguments.size()) {
            line.source = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--source="))) {
            line.source = argument.mid(9);
        } else {
            line.error = QStringLiteral("Unknown argument or missing value: \"%1\".").arg(argument);
        }
    }
    return line;
}

QString UpdateCommandLine::usage() {
    return QStringLiteral(
        "Usage: sentrel-update [--source ADDRESS] [--check | --quiet]\n"
        "       sentrel-update --help\n"
        "\n"
        "The Sentrel download manager: installs newer browser definitions (maindefs.bdf) from\n"
        "the update source into the installation folder and carries the customizations\n"
        "recorded in maindefs.mrg over into them.\n"
        "\n"
        "Without options it shows a window with the progress of the update, the summary of\n"
        "the customizations carried over and those that could not be (conflicts).\n"
        "\n"
        "Options:\n"
        "  --source ADDRESS  Records ADDRESS as the update source (the value \"updateSource\"\n"
        "                    of the product key) and then uses it. ADDRESS is a folder or the\n"
        "                    http or https address of a folder holding maindefs.bdf and, if\n"
        "                    wanted, whatsnew.txt.\n"
        "  --check           Only says whether the update source offers a newer release than\n"
        "                    the one installed last; changes nothing.\n"
        "                    Exit status: 0 a newer release is available, 1 none, 2 error.\n"
        "  --quiet           Updates without a window and prints one summary line, for cron.\n"
        "                    Exit status: 0 updated or nothing to do, 1 updated with\n"
        "                    conflicts, 2 error (nothing was changed).\n"
        "  --help            Shows this text.\n"
        "\n"
        "An update downloads maindefs.bdf (at most 50 MB, 60 seconds without progress, TLS\n"
        "certificates verified), checks that it loads and that its release (BDFLastUpdate) is\n"
        "newer than the release installed last (\"installedRelease\"), keeps the installed\n"
        "file as maindefs.bdf.bak, replays maindefs.mrg onto the new file, replaces\n"
        "maindefs.bdf whole, writes maindefs.bdd and whatsnew.txt beside it and sets the next\n"
        "check (\"nextCheck\") to seven days on. It refuses to run while the editor has\n"
        "maindefs.bdf open. On any error the installed files stay as they were.\n"
        "\n"
        "Environment:\n"
        "  SENTREL_REGISTRY  the key store's folder (default: /etc/sentrel/registry when it\n"
        "                    exists, else ~/.config/sentrel/registry)\n");
}

}  // namespace sentrel::update
