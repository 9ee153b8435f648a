#include "codegen/CodeCutPasteCommand.h"

#include "codegen/frmCodeCutPaste.h"

namespace sentrel::codegen {

void CodeCutPasteCommand::operator()(const QString& propertiesToLog,
                                     const QString& srwsLocation) const {
    frmCodeCutPaste dialog(*interaction, propertiesToLog, srwsLocation,
                           extendedPropertyTest(definitionsFile()), parent);
    dialog.exec();
}

}  // namespace sentrel::codegen
