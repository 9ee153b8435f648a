#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;

namespace sentrel {

// The splash window: product name and version. Shown without a frame while the program
// starts, and as the About box (modal, with an OK button) from the Help menu, where it also
// names the build date, the licence and the libraries used.
class frmSplash : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Startup, About };

    // `libraries`: the libraries the program uses, with their versions, for the About box.
    explicit frmSplash(Mode mode, QWidget* parent = nullptr, const QStringList& libraries = {});

    // The day the program was built, yyyy-MM-dd.
    static QString buildDate();

    // Shows the About box and returns when the user closes it.
    static void showAbout(QWidget* parent, const QStringList& libraries);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Mode mode_;
};

}  // namespace sentrel
