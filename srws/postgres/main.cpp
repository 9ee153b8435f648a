// The reports web service for a PostgreSQL reports database: the service's main program
// hands such requests to this one, which reaches PostgreSQL through the editor's reports
// database layer (Qt SQL). It serves SQLite reports files too.
#include "srws/ServiceProgram.h"
#include "srws/postgres/PostgresRecordStore.h"

// No QCoreApplication: Qt SQL finds its driver plugins without one.
int main() {
    return sentrel::srws::serveCgiRequest(sentrel::srws::PostgresRecordStore::open);
}
