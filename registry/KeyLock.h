#pragma once

#include <QLockFile>
#include <QString>

namespace sentrel::reg {

// The lock a writer holds on a key while it reads, changes and replaces the key's values,
// so that writers in other processes wait instead of overwriting each other. It is the
// lock file "values.reg.lock" in the key's folder; the lock of a process that died is
// recognised as stale and taken over.
class KeyLock {
  public:
    explicit KeyLock(const QString& keyFolder);
    // Waits for the lock (a few seconds at most); a registry status.
    int acquire();

    static constexpr int kWaitMs = 10000;

  private:
    QLockFile lock_;
};

}  // namespace sentrel::reg
