// Requests per second of the reports web service when each request starts the CGI program
// afresh, as Apache's mod_cgi does: fork, exec with the CGI environment, the body on
// standard input, the answer read from standard output. The benchmark and the program it
// starts are held to one core. The database is an SQLite reports file made by the editor's
// reports database layer; the settings come from a key store written by the option store.
//
//   srws_bench [--benchmark_filter=...]
//
// Each case reports "requests/s", "requests/cpu-s" and "cpu-ms/request"; "Refused" (a 400
// that touches no database) shows the cost of starting the program and reading the settings
// alone.
#include <benchmark/benchmark.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "registry/mdlRegistry.h"
#include "reporting/OptionStore.h"
#include "reporting/reportsdb/ReportsDatabase.h"
#include "shell/ScriptedInteraction.h"

extern char** environ;

namespace {

using namespace sentrel;

// A key store and reports file in a temporary folder, set up once for all cases.
struct Installation {
    QTemporaryDir dir;
    QString registry = dir.filePath("registry");

    Installation() {
        reportsdb::ReportsDbSettings settings;
        settings.filePath = dir.filePath("reports/SNReports.db");
        reportsdb::ReportsDatabase(settings).CreateTables();
        ScriptedInteraction ui;
        reg::mdlRegistry keys(ui, reg::KeyStore(registry));
        OptionStore options(keys, dir.path());
        options.srwsProviderType = SrwsProvider::Access;
        options.srwsMDBPath = settings.filePath;
        options.srwsLogFilePath = dir.filePath("logs");
        options.save();
    }
};

Installation& installation() {
    static Installation instance;
    return instance;
}

// Runs `path` once with the CGI variables and body; answers whether it exited cleanly.
bool runOnce(const char* path, const std::vector<std::string>& variables, const std::string& body) {
    std::vector<char*> environment;
    for (const std::string& variable : variables)
        environment.push_back(const_cast<char*>(variable.c_str()));
    environment.push_back(nullptr);
    int input[2], output[2];
    if (pipe(input) != 0 || pipe(output) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    if (spawned == 0 && !body.empty()) (void)!write(input[1], body.data(), body.size());
    close(input[1]);
    char buffer[4096];
    while (read(output[0], buffer, sizeof buffer) > 0) {
    }
    close(output[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> cgiVariables(const std::string& method, const std::string& query,
                                      const std::string& body) {
    std::vector<std::string> variables = {
        "SENTREL_REGISTRY=" + installation().registry.toStdString(),
        "PATH=/usr/bin:/bin",
        "GATEWAY_INTERFACE=CGI/1.1",
        "REQUEST_METHOD=" + method,
        "QUERY_STRING=" + query,
        "REMOTE_ADDR=192.0.2.44",
    };
    if (method == "POST") {
        variables.push_back("CONTENT_TYPE=application/x-www-form-urlencoded");
        variables.push_back("CONTENT_LENGTH=" + std::to_string(body.size()));
    }
    return variables;
}

// The processor time the finished child processes used so far, in seconds.
double childrenSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// "requests/s" is the rate by the clock; "requests/cpu-s" by the processor time the
// service's processes used, which is what one idle core gives when the machine is busy;
// "cpu-ms/request" is that processor time per request (user and system).
void runRequests(benchmark::State& state, const std::string& method, const std::string& query,
                 const std::string& body = {}, const char* program = SRWS_PROGRAM) {
    const std::vector<std::string> variables = cgiVariables(method, query, body);
    const double before = childrenSeconds();
    for (auto _ : state) {
        if (!runOnce(program, variables, body)) {
            state.SkipWithError("the service did not exit cleanly");
            break;
        }
    }
    const double used = childrenSeconds() - before;
    state.counters["requests/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["requests/cpu-s"] = used > 0 ? double(state.iterations()) / used : 0;
    state.counters["cpu-ms/request"] =
        state.iterations() > 0 ? used * 1000 / double(state.iterations()) : 0;
}

// A browser statistics record as the generated logging code sends it: some 40 fields.
const std::string kStatistics =
    "t=sns&brow=Firefox&vm=120&vmn=0&v=120.0&vf=120.0.1&plat=Linux&os=Linux+x86_64&fram=True"
    "&tab=True&cook=True&snce=True&js=True&snjs=True&jsv=1.8&ja=False&snje=False&ax=False"
    "&aol=False&beta=False&craw=False&lang=en-US&snlu=en-US&snls=en&sntz=-60&ssl=True"
    "&ss=True&sndh=True&snsh=1080&snsw=1920&snih=1040&sniw=1920&sncd=24&snct=wifi"
    "&snsp=10000&snrf=https%3A%2F%2Fexample.org%2Fstart&u=user-0042&s=session-8f2a"
    "&sncy=DE&snmd=False&snwk=False&sntl=TLS1.3";

void BM_StatisticsRecordByGet(benchmark::State& state) {
    runRequests(state, "GET", kStatistics);
}

void BM_PageLoadRecordByPost(benchmark::State& state) {
    runRequests(state, "POST", "",
                "t=plt&Latency=182&Intra=3&Hittype=load&p=%2Fshop%2Fcart.html&u=user-0042"
                "&s=session-8f2a&PltVer=2&Event=onload");
}

void BM_Refused(benchmark::State& state) {
    runRequests(state, "GET", "t=nosuch");
}

// A browser's preflight: the settings are read, nothing is written or logged.
void BM_Preflight(benchmark::State& state) {
    runRequests(state, "OPTIONS", "");
}

// The floor: a program that does nothing, started the same way.
void BM_ProgramThatDoesNothing(benchmark::State& state) {
    runRequests(state, "GET", "", {}, "/bin/true");
}

}  // namespace

BENCHMARK(BM_StatisticsRecordByGet)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(BM_PageLoadRecordByPost)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(BM_Refused)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(BM_Preflight)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(BM_ProgramThatDoesNothing)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

int main(int argc, char** argv) {
    // One core for the benchmark and every program it starts.
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    sched_setaffinity(0, sizeof one, &one);
    installation();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
