#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "codegen/CodeInputs.h"
#include "codegen/CodeLanguage.h"
#include "codegen/ExtendedPropertyList.h"

namespace sentrel {
class Interaction;
}

namespace sentrel::codegen {

// What the cut/paste dialog does, free of widgets: it holds the texts the user edits and the
// code window's text, writes the code of the chosen language, and copies or saves it.
//
//   CodeCutPaste form(ui, properties, srwsUrl, extendedPropertyTest(definitionsFile));
//   form.activate();                              // the window became active
//   form.chooseLanguage(CodeLanguage::JSP);       // code() holds the JSP code
//   form.setTitle(""); form.fieldLeft();          // written again with the new title
//   form.saveCode();                              // asks for a file and writes it
class CodeCutPaste {
  public:
    static inline const QString kCaption = QStringLiteral(" Cut/paste statistics capture code");

    CodeCutPaste(Interaction& interaction, QString propertiesToLog, QString srwsLocation,
                 ExtendedPropertyTest isExtended);

    // Places the code window's text on the clipboard; set by the window.
    void setClipboard(std::function<void(const QString& text)> copy) { copy_ = std::move(copy); }
    // The {date} text of the code; the user's locale format unless set.
    void setDateText(std::function<QString()> dateText) { dateText_ = std::move(dateText); }

    // The window became the active window: the extended list is computed afresh.
    void activate();
    // A language option was clicked: its code fills the code window.
    void chooseLanguage(CodeLanguage language);
    // The title, message or colour box lost the focus: the selected language's code is
    // written again; nothing happens while no language is selected.
    void fieldLeft();
    // "&Copy code to Clipboard" and "&Save code to file...".
    void copyCode();
    void saveCode();

    void setTitle(const QString& text) { inputs_.title = text; }
    void setMessage(const QString& text) { inputs_.message = text; }
    void setColour(const QString& text) { inputs_.colour = text; }
    // The user edited the code window.
    void setCode(const QString& text) { code_ = text; }

    const QString& title() const { return inputs_.title; }
    const QString& message() const { return inputs_.message; }
    const QString& colour() const { return inputs_.colour; }
    const QString& code() const { return code_; }
    const QString& extList() const { return inputs_.extList; }
    std::optional<CodeLanguage> language() const { return language_; }
    bool languageChosen() const { return language_.has_value(); }

  private:
    void generate();
    bool requireLanguage();
    void writeCodeFile(const QString& fileName);

    Interaction& interaction_;
    ExtendedPropertyTest isExtended_;
    CodeInputs inputs_;
    QString code_;
    std::optional<CodeLanguage> language_;
    std::function<void(const QString&)> copy_;
    std::function<QString()> dateText_;
};

}  // namespace sentrel::codegen
