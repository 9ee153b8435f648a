#pragma once

#include <QString>

namespace sentrel::exporting {

// How an export shows that it is at work: the main window's busy pointer and the first
// panel of its status bar. The window implements it; the command line and tests may use
// this do-nothing base.
class ExportStatus {
  public:
    virtual ~ExportStatus() = default;
    // The hourglass pointer while true, the default pointer again when false.
    virtual void setBusy(bool) {}
    // Shows `text` in the first status-bar panel and repaints it ("" clears it).
    virtual void setStatusText(const QString&) {}
    // Lets pending window events run once, so that the status text is painted.
    virtual void letEventsRun() {}
};

}  // namespace sentrel::exporting
