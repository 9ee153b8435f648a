#pragma once

namespace sentrel::srws {

// The program that serves PostgreSQL reports databases, below an installation's base
// directory: the service's main program hands such requests to it, and deployment checks
// that Apache's account can run it.
inline constexpr char kPostgresProgram[] = "/srws/sentrel-srws-postgres";

}  // namespace sentrel::srws
