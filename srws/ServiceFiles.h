#pragma once

namespace sentrel::srws {

// The program that serves PostgreSQL reports databases, below an installation's base
// directory: the service's main program hands such requests to it, and deployment checks
// that Apache's account can run it.
inline constexpr char kPostgresProgram[] = "/srws/sentrel-srws-postgres";

// The environment variable through which Apache's configuration (the deployment's snippet)
// names that program to the service. The program to run comes from there, and not from the
// key store, so that only who may change Apache's configuration decides what Apache runs.
inline constexpr char kPostgresProgramVariable[] = "SENTREL_SRWS_POSTGRES";

}  // namespace sentrel::srws
