#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "shell/ScriptedInteraction.h"

int main(int argc, char** argv) {
    // Tests run without a display: widgets render offscreen unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // A scripted answer the message does not offer is a fault of the test itself.
    sentrel::ScriptedInteraction::setScriptFaultHandler(
        [](const QString& fault) { ADD_FAILURE() << fault.toStdString(); });
    return RUN_ALL_TESTS();
}
