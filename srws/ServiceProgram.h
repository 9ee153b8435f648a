#pragma once

#include <functional>
#include <string>

#include "srws/RecordStore.h"

namespace sentrel::srws {

// Hands the request of this process to another program when its database is not served
// here; answers only when that failed, with the reason.
using HandOver = std::function<std::string()>;

// The reports web service as a CGI program: reads the settings and the request from the
// environment, hands a request for a PostgreSQL database to `handOver` when one is given
// (before anything is read from standard input), reads the body and answers on standard
// output. Answers the program's exit code.
int serveCgiRequest(const RecordStoreOpener& open, const HandOver& handOver = {});

// Replaces this process with the PostgreSQL program that Apache's configuration names
// ($SENTREL_SRWS_POSTGRES), with the same environment and standard input; answers the reason
// when it cannot.
std::string handOverToPostgresProgram();

}  // namespace sentrel::srws
