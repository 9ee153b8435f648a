#include <gtest/gtest.h>

#include "app/InternalData.h"
#include "app/StartupErrorHandler.h"
#include "document/Document.h"
#include "document/DocumentLock.h"

namespace sentrel::app {
namespace {

const QString kBinding = QStringLiteral("Loading internal data");

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

    EXPECT_EQ(startupFailureMessage(doc::kErrDocumentHeld, QStringLiteral("held"), kBinding),
              (MessageRequest{"Sentrel already running",
                              "Sentrel already running (1050). Please return to currently running "
                              "instance of Sentrel.",
                              MsgIcon::Information}));
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
    const QString loadMainUi = QStringLiteral("about to load main ui");
    const MessageRequest m =
        startupFailureMessage(53, QStringLiteral("File not found"), loadMainUi);
    EXPECT_EQ(m.title, QStringLiteral("Initialization Error"));
    EXPECT_EQ(m.icon, MsgIcon::Critical);
    EXPECT_EQ(m.text, QStringLiteral("System error: 53\r\nFile not found\r\nLast place: about to "
                                     "load main ui\r\n\r\nThe above error occured during "
                                     "initialization. \r\nLast place: about to load main "
                                     "ui\r\n\r\nPlease contact Norvane\r\nsupport at "
                                     "support@sentrel-editor.org."));
    // 432, 70 and a lock held elsewhere mean something special only while binding the
    // internal data.
    EXPECT_EQ(
        startupFailureMessage(432, QString(), QStringLiteral("After loading internal data")).title,
        QStringLiteral("Initialization Error"));
    EXPECT_EQ(startupFailureMessage(70, QString(), loadMainUi).title,
              QStringLiteral("Initialization Error"));
    EXPECT_EQ(startupFailureMessage(doc::kErrLockedElsewhere, QString(), loadMainUi).title,
              QStringLiteral("Initialization Error"));
    EXPECT_FALSE(meansAlreadyRunning(doc::kErrDocumentHeld, loadMainUi));
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

// A base directory this account cannot write, and a lock held on another host or by another
// account, are neither "already running" nor "reboot": they name the folder, the holder and
// the lock file.
TEST(StartupErrorHandler, UnwritableBaseDirectoryAndForeignLocksSayWhatAndWhere) {
    EXPECT_EQ(
        startupFailureMessage(InternalData::kErrBaseDirectoryNotWritable,
                              QStringLiteral("Sentrel can not write to its base directory "
                                             "\"/opt/sentrel\"."),
                              kBinding),
        (MessageRequest{"Base directory not writable",
                        "Sentrel can not write to its base directory \"/opt/sentrel\".\r\n\r\n"
                        "Sentrel keeps its internal data (intdata.dtl), the temporary merge file "
                        "(merge.tmp) and the merge records waiting for their merge files there. "
                        "Make this folder writable for your account, or record a folder you can "
                        "write as the base directory (sentrel-editor --register-basedir FOLDER), "
                        "and start Sentrel again.",
                        MsgIcon::Critical}));
    EXPECT_FALSE(meansAlreadyRunning(InternalData::kErrBaseDirectoryNotWritable, kBinding));

    const QString held = QStringLiteral(
        "The document \"/b/intdata.dtl\" is locked by process 4242 (sentrel-editor) on the "
        "host \"build7\"; its lock file is \"/b/intdata.dtl.lock\".");
    EXPECT_EQ(startupFailureMessage(doc::kErrLockedElsewhere, held, kBinding),
              (MessageRequest{"Internal data locked elsewhere",
                              held + "\r\n\r\nSentrel can not start while that lock is held. If "
                                     "Sentrel is no longer running there, delete the lock file "
                                     "and start Sentrel again.",
                              MsgIcon::Exclamation}));
    EXPECT_FALSE(meansAlreadyRunning(doc::kErrLockedElsewhere, kBinding));
}

}  // namespace
}  // namespace sentrel::app
