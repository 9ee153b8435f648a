#include "editor/lifecycle/FilterSort.h"

#include "document/FilterOrder.h"
#include "editor/lifecycle/LifecycleView.h"
#include "shell/AppError.h"

namespace sentrel::lifecycle {

namespace {

const QString kStatus = QStringLiteral("Status");

}  // namespace

bool sortFilters(doc::Document& document, bool& filtersUnsorted, LifecycleView& view) {
    if (!filtersUnsorted) return true;
    view.setStatusText(kStatus, QStringLiteral("Sorting filters..."));
    try {
        doc::filter_order::sortByPriority(document);
    } catch (const AppError& error) {
        view.setStatusText(kStatus, QStringLiteral("Error ") + QString::number(error.number()) +
                                        QStringLiteral(" trying to sort filters."));
        return false;
    }
    filtersUnsorted = false;
    view.setStatusText(kStatus, QString());
    return true;
}

}  // namespace sentrel::lifecycle
