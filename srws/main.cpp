// The reports web service as Apache runs it: one process per request. This program loads no
// Qt, so that each request starts fast; it serves SQLite reports files itself and hands
// requests for a PostgreSQL database to the installation's PostgreSQL program.
#include "srws/ServiceProgram.h"
#include "srws/SqliteRecordStore.h"

int main() {
    return sentrel::srws::serveCgiRequest(sentrel::srws::SqliteRecordStore::open,
                                          sentrel::srws::handOverToPostgresProgram);
}
