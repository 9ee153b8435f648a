#include <gtest/gtest.h>

#include "app/StartupErrorHandler.h"
#include "document/Document.h"
#include "shell/Product.h"

namespace sentrel::app {
namespace {

const QString kBinding = marker::kLoadingInternalData;

TEST(StartupErrorHandler, BindFailuresAreClassifiedByNumber) {
    const MessageRequest dcom = startupFailureMessage(432, QStringLiteral("x"), kBinding);
    EXPECT_EQ(dcom.title, QStringLiteral("DCOM for Windows 95 update needed"));
    EXPECT_EQ(dcom.icon, MsgIcon::Critical);
    EXPECT_TRUE(dcom.text.startsWith(
        QStringLiteral("Error #432 has occured during initialization.  Unable to initialize "
                       "internal data.\r\n\r\nThis error can occur is if the directory")));
    EXPECT_TRUE(dcom.text.endsWith(
        QStringLiteral("\r\n\r\nIf you are running Windows NT: Sentrel is not installed "
                       "properly.  Try re-installing Sentrel to resolve the problem.")));

    const MessageRequest locked = startupFailureMessage(70, QStringLiteral("x"), kBinding);
    EXPECT_EQ(locked.title, QStringLiteral("Internal data locked"));
    EXPECT_EQ(locked.icon, MsgIcon::Exclamation);
    EXPECT_EQ(locked.text,
              QStringLiteral("The internal data file has become locked by a previous session, "
                             "likely due to an unexpected error or improper shutdown.  You will "
                             "likely need to reboot to resolve this."));

    const MessageRequest running =
        startupFailureMessage(doc::kErrDocumentHeld, QStringLiteral("held"), kBinding);
    EXPECT_EQ(running.title, QStringLiteral("Sentrel already running"));
    EXPECT_EQ(running.icon, MsgIcon::Information);
    EXPECT_EQ(running.text, QStringLiteral("Sentrel already running (") +
                                QString::number(doc::kErrDocumentHeld) +
                                QStringLiteral("). Please return to currently running instance "
                                               "of Sentrel."));
    EXPECT_TRUE(meansAlreadyRunning(doc::kErrDocumentHeld, kBinding));
}

TEST(StartupErrorHandler, OutdatedDllQuotesTheLastPlaceAnywhere) {
    const MessageRequest m =
        startupFailureMessage(50003, QString(), QStringLiteral("displaying ui"));
    EXPECT_EQ(m.title, QStringLiteral("Outdated DLL"));
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.text,
              QStringLiteral("System error: 50003 \r\n\r\nAn error has occured during "
                             "initialization due to an\r\noutdated comctl32.ocx or comdlg32.ocx "
                             "file in your system directory.  Please contact Norvane for the "
                             "necessary update. LAST PLACE: displaying ui"));
    // 50003 wins even while binding.
    EXPECT_EQ(startupFailureMessage(50003, QString(), kBinding).title,
              QStringLiteral("Outdated DLL"));
}

TEST(StartupErrorHandler, OtherFailuresAreInitializationErrors) {
    const MessageRequest m =
        startupFailureMessage(53, QStringLiteral("File not found"), marker::kLoadMainUi);
    EXPECT_EQ(m.title, QStringLiteral("Initialization Error"));
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.text, QStringLiteral("System error: 53\r\nFile not found\r\nLast place: about to "
                                     "load main ui\r\n\r\nThe above error occured during "
                                     "initialization. \r\nLast place: about to load main "
                                     "ui\r\n\r\nPlease contact Norvane\r\nsupport at ") +
                          product::kSupportEmail + QStringLiteral("."));
    // 432 and 70 mean something special only while binding the internal data.
    EXPECT_EQ(startupFailureMessage(432, QString(), marker::kAfterInternalData).title,
              QStringLiteral("Initialization Error"));
    EXPECT_EQ(startupFailureMessage(70, QString(), marker::kLoadMainUi).title,
              QStringLiteral("Initialization Error"));
    EXPECT_FALSE(meansAlreadyRunning(doc::kErrDocumentHeld, marker::kLoadMainUi));
}

// A damaged or unreadable internal data file is not another running copy.
TEST(StartupErrorHandler, DamagedInternalDataIsNotAnotherCopy) {
    for (int number : {doc::kErrDocumentDamaged, 75, 53, 61}) {
        const MessageRequest m = startupFailureMessage(number, QStringLiteral("damaged"), kBinding);
        EXPECT_EQ(m.title, QStringLiteral("Initialization Error")) << number;
        EXPECT_TRUE(m.text.startsWith(QStringLiteral("System error: ") + QString::number(number) +
                                      QStringLiteral("\r\ndamaged\r\nLast place: Loading "
                                                     "internal data")));
        EXPECT_FALSE(meansAlreadyRunning(number, kBinding));
    }
}

}  // namespace
}  // namespace sentrel::app
