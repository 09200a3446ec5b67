#include "BoxTypeTrie.h"

#include "RecordingLayout.h"

namespace {

// The child holding the character, among those in use; null when none does.
template <typename NodeT>
NodeT* ChildHolding(NodeT& node, uint8_t character) {
    for (int32_t i = 0; i < node.childCount; ++i) {
        if (node.children[i].character == character) return &node.children[i];
    }
    return nullptr;
}

}  // namespace

bool BoxTypeTrie::Insert(Node& node, const uint8_t* s, int depth) {
    Node* child = ChildHolding(node, s[0]);
    if (child == nullptr) {
        if (node.childCount >= kMaxChildren) return false;
        if (!node.children) node.children = std::make_unique<Node[]>(kMaxChildren);
        child = &node.children[node.childCount++];
        child->character = s[0];
    }
    if (depth + 1 >= kTypeLength) return true;
    return Insert(*child, s + 1, depth + 1);
}

bool BoxTypeTrie::Contains(const Node& node, const uint8_t* s, int depth) {
    if (depth >= kTypeLength) return true;
    const Node* child = ChildHolding(node, s[0]);
    return child != nullptr && Contains(*child, s + 1, depth + 1);
}

bool BoxTypeTrie::Add(const char* type) { return Insert(root_, reinterpret_cast<const uint8_t*>(type), 0); }

bool BoxTypeTrie::Contains(const uint8_t* type) const { return Contains(root_, type, 0); }

std::unique_ptr<BoxTypeTrie> MakeKnownBoxTypeTrie() {
    auto trie = std::make_unique<BoxTypeTrie>();
    for (const char* type : RecordingLayout::kKnownBoxTypes) {
        if (!trie->Add(type)) return nullptr;
    }
    return trie;
}
