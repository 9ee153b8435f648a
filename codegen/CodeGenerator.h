#pragma once

#include <QString>

#include "codegen/CodeInputs.h"
#include "codegen/CodeLanguage.h"

namespace sentrel::codegen {

// Writes the logging code of a language: the template's lines whose conditions hold, with
// every placeholder replaced, each line ended by CR LF. Texts are inserted exactly as given;
// a placeholder name inside an inserted text stays as it is.
QString generateCode(CodeLanguage language, const CodeInputs& inputs);

QString generateClassicASP(const CodeInputs& inputs);
QString generateASPCSharp(const CodeInputs& inputs);
QString generateASPVBNET(const CodeInputs& inputs);
QString generateCFMX(const CodeInputs& inputs);
QString generateJSP(const CodeInputs& inputs);
QString generateServlets(const CodeInputs& inputs);

// The sample server address shown in the ASP.NET templates' comments.
inline const QString kExampleSrwsAddress =
    QStringLiteral("http://www.yourserver.com/reports/norvaneSRWS.dll");

}  // namespace sentrel::codegen
