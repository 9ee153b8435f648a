// Feeds arbitrary bytes to the key store's values-file reader, as a "values.reg" damaged by
// hand or by a crash might hold. Whatever it reads must write out to a file that reads back
// to the same values and writes out to the very same bytes again; setting and removing a
// value must leave the others as they were.
#include <cstdint>
#include <cstdlib>

#include "registry/ValuesFile.h"

using sentrel::reg::RegData;
using sentrel::reg::ValuesFile;

namespace {

// Every value of `expected` is in `actual`, equal, and nothing else.
void requireSameValues(const ValuesFile& expected, const ValuesFile& actual) {
    if (expected.names() != actual.names()) std::abort();
    for (const QString& name : expected.names()) {
        if (!actual.find(name) || *actual.find(name) != *expected.find(name)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ValuesFile file = ValuesFile::parse(bytes);
    const QByteArray written = file.serialize();
    const ValuesFile again = ValuesFile::parse(written);
    requireSameValues(file, again);
    if (again.serialize() != written) std::abort();

    const QStringList names = file.names();
    if (names.isEmpty()) return 0;
    const RegData kept = *file.find(names.last());
    file.set(names.first(), RegData{sentrel::reg::REG_SZ, QByteArray("fuzz")});
    if (file.find(names.first())->data != "fuzz") std::abort();
    if (names.size() > 1 && *file.find(names.last()) != kept) std::abort();
    file.remove(names.first());
    if (file.find(names.first())) std::abort();
    requireSameValues(file, ValuesFile::parse(file.serialize()));
    return 0;
}
