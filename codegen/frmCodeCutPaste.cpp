#include "codegen/frmCodeCutPaste.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace sentrel::codegen {

namespace {

struct LanguageOption {
    const char* objectName;
    const char* caption;
};

// The options in the order of kCodeLanguages.
constexpr LanguageOption kOptions[] = {
    {"optionClassicASP", "Classic ASP"},
    {"OptionVBNet", "ASP.NET (VB.NET)"},
    {"OptionCSharp", "ASP.NET (C#)"},
    {"OptionCFMX", "ColdFusion MX"},
    {"OptionJSP", "JSP"},
    {"OptionServlets", "Servlets"},
};

const QString kInstructions = QStringLiteral(
    "INSTRUCTIONS: The browser title and message will be displayed in the browser briefly "
    "while Sentrel executes the tests. If you prefer no message set the fields to blank. Set "
    "the background color to match what your site uses in the BODY BGCOLOR tag to avoid a "
    "color flicker during the test.");

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

}  // namespace

frmCodeCutPaste::frmCodeCutPaste(Interaction& interaction, const QString& propertiesToLog,
                                 const QString& srwsLocation, ExtendedPropertyTest isExtended,
                                 QWidget* parent)
    : QDialog(parent), form_(interaction, propertiesToLog, srwsLocation, std::move(isExtended)) {
    setObjectName(QStringLiteral("frmCodeCutPaste"));
    setWindowTitle(CodeCutPaste::kCaption);
    form_.setClipboard([](const QString& text) { QGuiApplication::clipboard()->setText(text); });

    code_ = new QPlainTextEdit(this);
    code_->setObjectName(QStringLiteral("Text1"));
    code_->setLineWrapMode(QPlainTextEdit::NoWrap);
    code_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(code_, &QPlainTextEdit::textChanged, this, [this] {
        form_.setCode(code_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    });

    auto* top = new QHBoxLayout;
    top->addWidget(createLanguageFrame());
    top->addWidget(createFields(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(code_, 1);
    layout->addLayout(createButtons());
    showCode();
    resize(860, 600);
}

QWidget* frmCodeCutPaste::createLanguageFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Generate code in this language:"), this);
    frame->setObjectName(QStringLiteral("fraLanguage"));
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < kCodeLanguages.size(); ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(kOptions[i].caption), frame);
        option->setObjectName(QString::fromLatin1(kOptions[i].objectName));
        const CodeLanguage language = kCodeLanguages[i];
        connect(option, &QRadioButton::clicked, this, [this, language] {
            form_.chooseLanguage(language);
            showCode();
        });
        layout->addWidget(option);
        options_.append(option);
    }
    return frame;
}

QLineEdit* frmCodeCutPaste::createField(const QString& name, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(name);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, &frmCodeCutPaste::readFields);
    return field;
}

QWidget* frmCodeCutPaste::createFields() {
    auto* panel = new QWidget(this);
    auto* fields = new QFormLayout;
    title_ = createField(QStringLiteral("txtBrowserTitle"), form_.title());
    message_ = createField(QStringLiteral("txtBrowserMessage"), form_.message());
    colour_ = createField(QStringLiteral("txtBrowserColor"), form_.colour());
    fields->addRow(QStringLiteral("Browser title:"), title_);
    fields->addRow(QStringLiteral("Browser message:"), message_);
    fields->addRow(QStringLiteral("Browser background color:"), colour_);
    auto* instructions = new QLabel(kInstructions, panel);
    instructions->setObjectName(QStringLiteral("lblInstructions"));
    instructions->setWordWrap(true);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addWidget(instructions);
    layout->addStretch();
    return panel;
}

QLayout* frmCodeCutPaste::createButtons() {
    auto* copy =
        button(QStringLiteral("Command2"), QStringLiteral("&Copy code to Clipboard"), this);
    auto* save = button(QStringLiteral("Command3"), QStringLiteral("&Save code to file..."), this);
    auto* close = button(QStringLiteral("Command1"), QStringLiteral("C&lose"), this);
    connect(copy, &QPushButton::clicked, this, [this] { form_.copyCode(); });
    connect(save, &QPushButton::clicked, this, [this] { form_.saveCode(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QHBoxLayout;
    layout->addWidget(copy);
    layout->addWidget(save);
    layout->addStretch();
    layout->addWidget(close);
    return layout;
}

void frmCodeCutPaste::readFields() {
    form_.setTitle(title_->text());
    form_.setMessage(message_->text());
    form_.setColour(colour_->text());
}

void frmCodeCutPaste::showCode() {
    const QSignalBlocker quiet(code_);
    QString shown = form_.code();
    code_->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

bool frmCodeCutPaste::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) form_.activate();
    return QDialog::event(event);
}

void frmCodeCutPaste::showEvent(QShowEvent* event) {
    // Platforms without window activation (offscreen) still get the list when shown.
    form_.activate();
    QDialog::showEvent(event);
}

bool frmCodeCutPaste::eventFilter(QObject* watched, QEvent* event) {
    const bool field = watched == title_ || watched == message_ || watched == colour_;
    if (field && event->type() == QEvent::FocusOut) {
        readFields();
        form_.fieldLeft();
        showCode();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sentrel::codegen
