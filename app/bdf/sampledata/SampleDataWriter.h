#pragma once

#include <QDir>

namespace sentrel::bdf {

// Writes the installation files from the definition source tables in `tables` (see
// DefinitionTables) into `target`: the blank template intmpl.bdf, the shipped definitions
// maindefs.bdf with their BDD maindefs.bdd, and the empty data file intdata.dtl. Every file
// is stamped with the release date of the tables, and the BDD's random comment is drawn from
// a fixed seed, so the same tables always give the same bytes. Throws AppError.
void writeSampleData(const QDir& tables, const QDir& target);

}  // namespace sentrel::bdf
