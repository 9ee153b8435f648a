#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <optional>

namespace sentrel {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// Button sets and answers keep the classic numbering so that callers can reason about
// "the second button" the way the messages are written.
enum class MsgButtons {
    OK = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum class MsgAnswer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageRequest {
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    int defaultButton = 1;  // 1, 2 or 3: which button of the set is the default
    int helpContext = 0;    // 0: no help button

    bool operator==(const MessageRequest&) const = default;
};

// The answers of a button set, in button order.
QList<MsgAnswer> answersOf(MsgButtons buttons);
// The answer of the default button (the first button when the default is out of range).
MsgAnswer defaultAnswer(const MessageRequest& request);

struct FileRequest {
    QString title;
    QString directory;
    QString fileName;
    QStringList filters;  // "BDF files (*.bdf)", "All files (*)"
    QString defaultSuffix;
    bool overwritePrompt = true;  // save choosers: confirm replacing an existing file
    int helpContext = 0;
};

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

// A modal dialog identified by name ("PropForm", "FilterForm", ...), with named fields:
// the request carries the initial values in, the result the values the user confirmed.
// `accept` is asked when the user confirms; answering false keeps the dialog open (the
// check has already told the user why).
struct DialogRequest {
    QString dialog;
    QVariantMap fields;
    std::function<bool(const QVariantMap&)> accept;
};

struct DialogResult {
    bool accepted = false;
    QVariantMap fields;
};

// Everything the program asks of or tells the user goes through this interface, so that
// operations run the same under the real widgets and under a test script.
class Interaction {
  public:
    virtual ~Interaction() = default;

    virtual MsgAnswer message(const MessageRequest& request) = 0;
    virtual std::optional<QString> chooseOpenFile(const FileRequest& request) = 0;
    virtual std::optional<QString> chooseSaveFile(const FileRequest& request) = 0;
    // nullopt when the user cancelled.
    virtual std::optional<QString> inputBox(const InputRequest& request) = 0;
    virtual DialogResult runDialog(const DialogRequest& request) = 0;

    // Shorthand for a message with the usual parts.
    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::OK, int defaultButton = 1);
};

}  // namespace sentrel
