#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace sentrel::doc {

class TypeObject;

// For the types of one inheritance tree (a root or standalone type and every type deriving
// from it): which type holds the value that a type reads for a parameter, its own or the
// nearest base's. Each parameter asked about gets a column listing, for every type of the
// tree, that holder; building a column visits every type once, bases before the types that
// derive from them, so reading every value of a tree takes time in proportion to its size
// however deep its chains are. Nothing here recurses.
//
// The index is built lazily and kept while the tree stays as it is: a changed value drops the
// column of its parameter, and a type added, deleted or re-parented drops the whole index
// (the owner simply discards it).
class InheritanceIndex {
  public:
    // `members`: every type of the tree, each base before the types deriving from it.
    explicit InheritanceIndex(std::vector<const TypeObject*> members);

    // The type at or above `type` that holds an own value of the parameter; nullptr when
    // none does. `type` must be a member.
    const TypeObject* holder(const TypeObject& type, int parameterId);

    // A value of the parameter was set or removed somewhere in the tree.
    void dropColumn(int parameterId) { columns_.erase(parameterId); }

  private:
    using Column = std::vector<const TypeObject*>;
    const Column& column(int parameterId);

    static constexpr size_t kNoBase = static_cast<size_t>(-1);

    std::vector<const TypeObject*> members_;
    std::vector<size_t> basePositions_;  // position of each member's base, or kNoBase
    std::unordered_map<const TypeObject*, size_t> positions_;
    std::unordered_map<int, Column> columns_;
};

}  // namespace sentrel::doc
