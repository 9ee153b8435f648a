// Helper program of the key store tests: does one job against the store named by
// $SENTREL_REGISTRY in a process of its own and prints the statuses.
//   write KEY PREFIX COUNT   sets PREFIX0..PREFIX<COUNT-1> one by one; exit code 1 on failure
//   as-nobody KEY            as the account "nobody": statuses of reading, writing, granting
//   size-limited KEY BYTES   with files limited to BYTES: status of writing a larger value
//   store (KEY NAME TYPE VALUE)...  writes values through mdlRegistry, creating the keys: TYPE
//                            "sz" (VALUE a text), "dword" (a decimal number) or any type
//                            number with VALUE its bytes in hexadecimal
//   read (KEY NAME)...       for each pair, as mdlRegistry answers: whether the key exists and
//                            GetKeyValue ("none", "text:" and the hexadecimal UTF-8 bytes, or
//                            "number:" and the number)
//   read-as-nobody (KEY NAME)...  the same as the account "nobody"
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QString>
#include <csignal>
#include <cstdio>

#include "registry/KeyStore.h"
#include "registry/mdlRegistry.h"
#include "shell/ScriptedInteraction.h"

using namespace sentrel::reg;

namespace {

int writeMany(KeyStore& store, const QString& path, const QString& prefix, int count) {
    RegKey key;
    if (store.openKey(HKEY_LOCAL_MACHINE, path, kAccessWriteValue, key) != 0) return 1;
    for (int i = 0; i < count; ++i) {
        const int status =
            store.setValue(key, prefix + QString::number(i), {REG_SZ, QByteArray::number(i)});
        if (status != 0) {
            std::printf("value %d: status %d\n", i, status);
            return 1;
        }
    }
    return 0;
}

bool becomeNobody() {
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

int asNobody(KeyStore& store, const QString& path) {
    if (!becomeNobody()) return 2;
    RegKey key;
    RegData value;
    int read = store.openKey(HKEY_LOCAL_MACHINE, path, kAccessReadValue, key);
    if (read == 0) read = store.queryValue(key, QStringLiteral("a"), value);
    const int write = store.openKey(HKEY_LOCAL_MACHINE, path, kAccessWriteValue, key);
    const int dac = store.openKey(HKEY_LOCAL_MACHINE, path, kAccessWriteDac, key);
    std::printf("read=%d write=%d dac=%d\n", read, write, dac);
    return 0;
}

int sizeLimited(KeyStore& store, const QString& path, int limit) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{rlim_t(limit), rlim_t(limit)};
    if (::setrlimit(RLIMIT_FSIZE, &size) != 0) return 2;
    RegKey key;
    int status = store.openKey(HKEY_LOCAL_MACHINE, path, kAccessWriteValue, key);
    if (status == 0)
        status = store.setValue(key, QStringLiteral("a"), {REG_SZ, QByteArray(limit * 4, 'x')});
    std::printf("write=%d\n", status);
    return 0;
}

int storeValues(int count, char** args) {
    sentrel::ScriptedInteraction ui;
    mdlRegistry registry(ui);
    for (int i = 0; i + 3 < count; i += 4) {
        const QString key = QString::fromUtf8(args[i]);
        const QString name = QString::fromUtf8(args[i + 1]);
        const QByteArray type = args[i + 2];
        const QByteArray value = args[i + 3];
        bool written = false;
        if (type == "sz") {
            written = registry.setString(key, name, QString::fromUtf8(value));
        } else if (type == "dword") {
            written = registry.setDword(key, name, value.toInt());
        } else {
            RegKey opened;
            written =
                registry.CreateNewKey(HKEY_LOCAL_MACHINE, key) == 0 &&
                registry.store().openKey(HKEY_LOCAL_MACHINE, key, kAccessWriteValue, opened) == 0 &&
                registry.store().setValue(opened, name,
                                          {type.toUInt(), QByteArray::fromHex(value)}) == 0;
        }
        if (!written) return 1;
    }
    return 0;
}

QByteArray answerText(const RegValue& value) {
    if (value.isDword()) return "number:" + QByteArray::number(*value.toInt());
    if (value.isString()) return "text:" + value.toString().toUtf8().toHex();
    return "none";
}

int readValues(int count, char** args) {
    sentrel::ScriptedInteraction ui;
    const mdlRegistry registry(ui);
    for (int i = 0; i + 1 < count; i += 2) {
        const QString key = QString::fromUtf8(args[i]);
        const RegValue value =
            registry.GetKeyValue(HKEY_LOCAL_MACHINE, key, QString::fromUtf8(args[i + 1]));
        std::printf("%d %s\n", int(registry.keyExists(key)), answerText(value).constData());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QString job = argc > 2 ? QString::fromUtf8(argv[1]) : QString();
    const QString path = argc > 2 ? QString::fromUtf8(argv[2]) : QString();
    KeyStore store;
    if (job == QLatin1String("write") && argc == 5) {
        return writeMany(store, path, QString::fromUtf8(argv[3]), std::atoi(argv[4]));
    }
    if (job == QLatin1String("as-nobody")) return asNobody(store, path);
    if (job == QLatin1String("size-limited") && argc == 4) {
        return sizeLimited(store, path, std::atoi(argv[3]));
    }
    if (job == QLatin1String("store")) return storeValues(argc - 2, argv + 2);
    if (job == QLatin1String("read")) return readValues(argc - 2, argv + 2);
    if (job == QLatin1String("read-as-nobody"))
        return becomeNobody() ? readValues(argc - 2, argv + 2) : 2;
    std::fprintf(stderr, "usage: registry_worker write|as-nobody|size-limited|store|read ...\n");
    return 2;
}
