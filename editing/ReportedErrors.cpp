#include "editing/ReportedErrors.h"

#include "shell/AppError.h"
#include "shell/Interaction.h"
#include "shell/Product.h"

namespace sentrel::editing {

bool runReported(Interaction& interaction, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const AppError& error) {
        interaction.message(QStringLiteral("Error #") + QString::number(error.number()) +
                                QStringLiteral(": ") + error.description(),
                            product::kName, MsgIcon::Critical);
        return false;
    }
}

}  // namespace sentrel::editing
