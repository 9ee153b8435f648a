#include "editing/ApplyToBranch.h"

#include "document/Document.h"
#include "document/Vocabulary.h"

namespace sentrel::editing {

namespace {

// True when `type` is the branch's top or lies below it.
bool inBranch(const doc::TypeObject& type, const QString& top) {
    for (const doc::TypeObject* t = &type; t; t = t->getbasetype()) {
        if (t->Name().compare(top, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

}  // namespace

void applyToBranch(const QString& typeName, const QString& property, const QString& defaultValue,
                   const QString& value, doc::Document& document) {
    for (const QString& name : document.types()) {
        if (!mainMod::isBrowserType(name)) continue;
        doc::TypeObject& type = document.Path(name);
        if (!type.hasParameter(property)) continue;  // a type outside the browser tree
        type.SetParamDefValue(property, inBranch(type, typeName) ? value : defaultValue);
    }
}

}  // namespace sentrel::editing
