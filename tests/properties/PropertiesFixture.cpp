#include "PropertiesFixture.h"

#include "codegen/properties/PropertyNameSource.h"

namespace sentrel::codegen::test {

namespace {

MessageRequest javaQuestion(const QString& names) {
    return {"Are you sure?",
            "In rare cases, checking any of the following properties can cause IE to shutdown "
            "unexpectantly if an older version of Java is installed: " +
                names +
                ". Therefore we only recommend you check these properties if this information is "
                "of great importance to you.\r\n\r\nFurthermore, note that detection of these "
                "properties requires that you place the jvmdetector.class applet file (available "
                "in your Sentrel/JVM folder) into the web directory where any web pages reside "
                "that use Sentrel to check these properties. Please be sure to manually copy "
                "this applet file accordingly.\r\n\r\nAre you sure you wish to track any of "
                "these particular properties?",
            MsgIcon::Question, MsgButtons::YesNo, 2};
}

}  // namespace

const MessageRequest kKeepJavaProperties = javaQuestion(
    "JavaVendor, JavaVersion, Plugin_JavaVer, MSJVMBuild, OSName, OSArch, and OSVersion");
const MessageRequest kJavaPropertyChecked =
    javaQuestion("JavaVendor, JavaVersion, Plugin_JavaVer, MSJVMBuild, and OSArch");

bool PropertiesFixture::open(const QString& stored, const QStringList& names) {
    if (names.isEmpty()) return selection.open(stored, PropertyNameSource(dir.path()));
    return selection.open(stored, [names] { return names; });
}

QStringList PropertiesFixture::checked() const {
    QStringList names;
    for (const PropertyItem& item : selection.items()) {
        if (item.checked) names << item.name;
    }
    return names;
}

int PropertiesFixture::rowOf(const QString& name) const {
    for (int row = 0; row < selection.items().size(); ++row) {
        if (selection.items()[row].name == name) return row;
    }
    ADD_FAILURE() << "no entry " << name.toStdString();
    return -1;
}

}  // namespace sentrel::codegen::test
