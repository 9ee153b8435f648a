#pragma once

#include "reporting/reportsdb/SQLConnection.h"
#include "reporting/reportsdb/SqlDialect.h"

namespace sentrel::test {

// Inserts one record through each view, giving every short column name a value of its own,
// and checks that each value landed in its table's column. Returns the number of view
// columns written per table (SNS, PLT, BROWERR).
QList<int> expectEveryViewColumnLands(reportsdb::SQLConnection& connection,
                                      const reportsdb::SqlDialect& dialect);

}  // namespace sentrel::test
