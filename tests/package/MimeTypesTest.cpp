#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <ostream>

#include "support/TempDir.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

// The desktop's file-type database made of the freedesktop.org types and ours only, as a
// file chooser reads it.
class MimeTypesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QDir().mkpath(data->path() + "/mime/packages");
        QFile::copy("/usr/share/mime/packages/freedesktop.org.xml",
                    data->path() + "/mime/packages/freedesktop.org.xml");
        QFile::copy(SENTREL_MIME_FILE, data->path() + "/mime/packages/sentrel-editor.xml");
        // Read once, at the first look-up, from these folders alone.
        qputenv("XDG_DATA_DIRS", data->path().toUtf8());
        qputenv("XDG_DATA_HOME", (data->path() + "/home").toUtf8());
    }
    static void TearDownTestSuite() { delete data; }

    QString typeOf(const QString& name, const QByteArray& content) {
        const QString path = files.write(name, content);
        return QMimeDatabase().mimeTypeForFile(path).name();
    }

    static inline sentrel::test::TempDir* data = new sentrel::test::TempDir;
    sentrel::test::TempDir files;
};

TEST_F(MimeTypesTest, DefinitionFilesAreToldApartFromBdfFontsByTheirFirstLine) {
    EXPECT_EQ(typeOf("maindefs.bdf", "SentrelDocument 1\ntype Integer data\n"),
              "application/x-sentrel-bdf");
    EXPECT_EQ(typeOf("font.bdf", "STARTFONT 2.1\nFONT -misc-fixed\n"), "application/x-font-bdf");
    // Without its extension a definition file is still known by its first line.
    EXPECT_EQ(typeOf("definitions", "SentrelDocument 1\ntype Integer data\n"),
              "application/x-sentrel-bdf");
    EXPECT_EQ(typeOf("maindefs.bdd", QByteArray("\x12\x9c\x44\x01", 4)),
              "application/x-sentrel-bdd");
    EXPECT_EQ(QMimeDatabase().mimeTypeForName("application/x-sentrel-bdf").comment(),
              "Sentrel browser definitions");
}

}  // namespace
