#pragma once

#include <QString>
#include <array>

namespace sentrel::codegen {

// The languages the logging code is written in, in the order the dialog checks its options
// when a text box loses the focus.
enum class CodeLanguage { ClassicASP, VBNet, CSharp, CFMX, JSP, Servlets };

inline constexpr std::array<CodeLanguage, 6> kCodeLanguages = {
    CodeLanguage::ClassicASP, CodeLanguage::VBNet, CodeLanguage::CSharp,
    CodeLanguage::CFMX,       CodeLanguage::JSP,   CodeLanguage::Servlets};

}  // namespace sentrel::codegen
