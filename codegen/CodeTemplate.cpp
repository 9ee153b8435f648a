#include "codegen/CodeTemplate.h"

namespace sentrel::codegen {

const CodeTemplate& templateFor(CodeLanguage language) {
    switch (language) {
        case CodeLanguage::ClassicASP:
            return classicAspTemplate();
        case CodeLanguage::VBNet:
            return vbNetTemplate();
        case CodeLanguage::CSharp:
            return cSharpTemplate();
        case CodeLanguage::CFMX:
            return cfmxTemplate();
        case CodeLanguage::JSP:
            return jspTemplate();
        case CodeLanguage::Servlets:
            break;
    }
    return servletTemplate();
}

}  // namespace sentrel::codegen
