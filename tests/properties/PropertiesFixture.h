#pragma once

#include <gtest/gtest.h>

#include "codegen/properties/PropertySelection.h"
#include "shell/ScriptedInteraction.h"
#include "support/MessagePrinter.h"
#include "support/TempDir.h"

namespace sentrel::codegen::test {

using sentrel::test::TempDir;

// The question asked when "Select All" ends, and when a Java-based property is checked; the
// second names the five properties it unchecks, the first seven.
extern const MessageRequest kKeepJavaProperties;
extern const MessageRequest kJavaPropertyChecked;

// A selection over the built-in names (no installed definitions in a fresh folder) and the
// installed country database, answered by a script.
class PropertiesFixture : public ::testing::Test {
  protected:
    // Opens the selection over the stored string with the given names (default: the names of
    // a base directory without definitions).
    bool open(const QString& stored, const QStringList& names = {});
    // The checked names, in list order.
    QStringList checked() const;
    int rowOf(const QString& name) const;
    // Checks an entry as the user does.
    void check(const QString& name) { selection.setChecked(rowOf(name), true); }

    TempDir dir;
    ScriptedInteraction ui;
    PropertySelection selection{ui};
};

}  // namespace sentrel::codegen::test
