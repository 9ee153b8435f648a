#pragma once

namespace sentrel::codegen {

// When a template line is written. A line with several conditions is written only when all of
// them hold; `Always` lines are always written.
enum Condition : unsigned {
    Always = 0,
    E = 1u << 0,   // the extended-properties list is not empty
    PC = 1u << 1,  // the extended list holds "Plugin_Custom"
    OP = 1u << 2,  // the extended list holds "OpenPorts"
    FI = 1u << 3,  // the extended list holds "FontsInstalled"
    J = 1u << 4,   // the extended list holds "MSJVMBuild", "JavaVendor" or "JavaVersion"
    C = 1u << 5,   // "Country" is one of the properties to log
};

// One line of a template: its conditions and its text with placeholders in braces.
struct TemplateLine {
    unsigned when;
    const char* text;
};

}  // namespace sentrel::codegen
