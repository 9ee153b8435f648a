#pragma once

#include <QString>
#include <span>

#include "codegen/CodeLanguage.h"
#include "codegen/TemplateLine.h"

namespace sentrel::codegen {

// A language's template: its lines, and what {ext object} stands for when no property needs
// the extended tests (only the ASP.NET templates use it).
struct CodeTemplate {
    std::span<const TemplateLine> lines;
    const char* emptyExtObject = "";
};

const CodeTemplate& classicAspTemplate();
const CodeTemplate& cSharpTemplate();
const CodeTemplate& vbNetTemplate();
const CodeTemplate& cfmxTemplate();
const CodeTemplate& jspTemplate();
const CodeTemplate& servletTemplate();

const CodeTemplate& templateFor(CodeLanguage language);

}  // namespace sentrel::codegen
