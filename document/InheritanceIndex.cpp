#include "document/InheritanceIndex.h"

#include "document/TypeObject.h"

namespace sentrel::doc {

InheritanceIndex::InheritanceIndex(std::vector<const TypeObject*> members)
    : members_(std::move(members)) {
    positions_.reserve(members_.size());
    basePositions_.reserve(members_.size());
    for (size_t i = 0; i < members_.size(); ++i) {
        positions_.emplace(members_[i], i);
        const TypeObject* base = members_[i]->getbasetype();
        basePositions_.push_back(base ? positions_.at(base) : kNoBase);
    }
}

const TypeObject* InheritanceIndex::holder(const TypeObject& type, int parameterId) {
    return column(parameterId)[positions_.at(&type)];
}

const InheritanceIndex::Column& InheritanceIndex::column(int parameterId) {
    const auto found = columns_.find(parameterId);
    if (found != columns_.end()) return found->second;
    Column column(members_.size(), nullptr);
    for (size_t i = 0; i < members_.size(); ++i) {
        if (members_[i]->findOwnValue(parameterId)) {
            column[i] = members_[i];
        } else if (basePositions_[i] != kNoBase) {
            column[i] = column[basePositions_[i]];
        }
    }
    return columns_.emplace(parameterId, std::move(column)).first->second;
}

}  // namespace sentrel::doc
