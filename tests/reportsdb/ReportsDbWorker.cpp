// Helper program of the reports database tests: runs one step on an SQLite file as the
// account "nobody", for whom file permissions hold, and prints "ok" or the error.
//   connect-test FILE | table-test FILE | create-tables FILE
#include <grp.h>
#include <unistd.h>

#include <cstdio>

#include "reporting/reportsdb/ReportsDatabase.h"
#include "shell/AppError.h"

using namespace sentrel::reportsdb;

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) return 2;
    const QString job = QString::fromUtf8(argv[1]);
    ReportsDbSettings settings;
    settings.filePath = QString::fromUtf8(argv[2]);
    const ReportsDatabase database(settings);
    try {
        if (job == QLatin1String("connect-test"))
            database.ConnectTest();
        else if (job == QLatin1String("table-test"))
            database.TableTest();
        else if (job == QLatin1String("create-tables"))
            database.CreateTables();
        else
            return 2;
        std::printf("ok\n");
    } catch (const sentrel::AppError& e) {
        std::printf("[%s] %s\n", qPrintable(e.source()), qPrintable(e.description()));
    }
    return 0;
}
