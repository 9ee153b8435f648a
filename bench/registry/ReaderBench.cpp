// What a service request pays to read its options with the plain key store reader: a reader
// made afresh, the options key found under its full path and 30 values read from it (text
// and numbers, as the option store writes them).
//
//   registry_reader_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "registry/reader/KeyStoreReader.h"

namespace {

const std::string kOptions = "SOFTWARE\\Norvane\\Browser Editor\\1.0\\options";
constexpr int kValueCount = 30;

// A key store in a temporary folder with the options key and its values.
struct Store {
    std::string root;

    Store() {
        char pattern[] = "/tmp/reader-bench-XXXXXX";
        root = ::mkdtemp(pattern);
        const std::string folder =
            root + "/HKEY_LOCAL_MACHINE/SOFTWARE/Norvane/Browser Editor/1.0/options";
        std::filesystem::create_directories(folder);
        std::ofstream values(folder + "/values.reg");
        for (int i = 0; i < kValueCount; ++i) {
            if (i % 2 == 0) {
                values << "\"Option" << i << "\"=\"/var/lib/sentrel/reports/value " << i << "\"\n";
            } else {
                values << "\"Option" << i << "\"=dword:0000" << std::hex << 4096 + i << std::dec
                       << "\n";
            }
        }
    }
    ~Store() { std::filesystem::remove_all(root); }
};

void ReadOptionsOfOneRequest(benchmark::State& state) {
    const Store store;
    for (auto _ : state) {
        const sentrel::reg::KeyStoreReader reader(store.root);
        std::size_t total = 0;
        for (int i = 0; i < kValueCount; ++i) {
            total += reader.getKeyValue(kOptions, "option" + std::to_string(i)).toString().size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(ReadOptionsOfOneRequest)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
