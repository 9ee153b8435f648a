#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "app/InternalData.h"
#include "app/StartupHost.h"
#include "shell/Interaction.h"

namespace sentrel::app {

// The program's start-up routine: reads the base directory, binds the internal data
// document (which is how a second copy of the program is recognised), loads and shows the
// main window, loads the options and opens the first definition file. Any failure is
// reported by one handler, quoting the last step reached, and ends the start-up.
class StartupSequence {
  public:
    struct Outcome {
        bool started = false;
        int errorNumber = 0;          // the failure's number when not started
        MessageRequest failure;       // the message shown when not started
        bool alreadyRunning = false;  // the failure was another running copy

        // The program's exit status when the start-up ended it: 0 when another copy is
        // running (the user is sent there; nothing failed), 1 for every failure.
        int exitStatus() const { return alreadyRunning ? 0 : 1; }
    };
    // A whole number from 1 to 5; the internal data document is refreshed on a 5.
    using Draw = std::function<int()>;

    // The internal data document is bound into `internalData`, which outlives the start-up.
    StartupSequence(StartupHost& host, Interaction& interaction, InternalData& internalData);

    void setDraw(Draw draw) { draw_ = std::move(draw); }

    Outcome run(const QString& commandLine);

    const QString& baseDirectory() const { return baseDirectory_; }
    const QDateTime& startStamp() const { return startStamp_; }
    const QString& lastPlace() const { return lastPlace_; }

    static inline const QString kTitle = QStringLiteral("Sentrel");

  private:
    void steps(const QString& commandLine);
    void readBaseDirectory();
    void showSplashAndSetHelpFile();
    void bindInternalData();
    void chooseAndOpenFile(const QString& commandLine);
    Outcome fail(int number, const QString& description);
    void showWizardComplete(bool openedDefinitions);

    StartupHost& host_;
    Interaction& interaction_;
    InternalData& internalData_;
    Draw draw_;
    QString baseDirectory_;
    QDateTime startStamp_;
    QString lastPlace_;
};

}  // namespace sentrel::app
