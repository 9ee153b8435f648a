#pragma once

#include <QString>

namespace sentrel::codegen {

// What the generated code is made of: the dialog's texts as the user typed them, the
// properties to log and the reports web service address from the options, the extended list
// computed from the properties, and the time of generation as text for a person.
struct CodeInputs {
    QString propertiesToLog;  // names joined with ","
    QString srwsLocation;     // the server file's name is appended to it directly
    QString title;
    QString message;
    QString colour;
    QString extList;  // names joined with ", "; empty when none needs the extended tests
    QString date;
};

}  // namespace sentrel::codegen
