#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace sentrel::codegen {

// Where the names of the properties that can be logged come from: the detection library,
// asked for every property of the installed definitions, or the built-in list when the
// library cannot load them.
class PropertyNameSource {
  public:
    // The installed definitions: base directory + "/maindefs.bdd".
    explicit PropertyNameSource(const QString& baseDirectory);

    // The names to offer, in the library's order or in the built-in order.
    QStringList operator()() const;

    // The library's names for a BDD, without its system properties ("i__" names),
    // "versionpos" and "sslciphersuite" (any case); nothing when the library fails.
    static std::optional<QStringList> detectedNames(const QString& bddPath);

  private:
    QString bddPath_;
};

}  // namespace sentrel::codegen
