#pragma once

#include <QDialog>

class QPushButton;

namespace sentrel {

// The splash window: product name and version. Shown without a frame while the program
// starts, and as the About box (modal, with an OK button) from the Help menu.
class frmSplash : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Startup, About };

    explicit frmSplash(Mode mode, QWidget* parent = nullptr);

    // Shows the About box and returns when the user closes it.
    static void showAbout(QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Mode mode_;
};

}  // namespace sentrel
