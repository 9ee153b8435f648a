#pragma once

#include "editor/lifecycle/LifecycleView.h"
#include "export/ExportStatus.h"

namespace sentrel::lifecycle {

// The export's progress display in the main window: the busy pointer and the first panel.
class WindowExportStatus : public exporting::ExportStatus {
  public:
    explicit WindowExportStatus(LifecycleView& view) : view_(view) {}
    void setBusy(bool busy) override { view_.setBusy(busy); }
    void setStatusText(const QString& text) override {
        view_.setStatusText(QStringLiteral("Status"), text);
    }
    void letEventsRun() override { view_.processEvents(); }

  private:
    LifecycleView& view_;
};

}  // namespace sentrel::lifecycle
