#pragma once

#include <cstdint>
#include <memory>

// The set of four-character box types the system knows, as a tree of
// characters: the root's children hold first characters, their children
// second characters, down to the fourth. A box whose type is not in it is
// taken for data rather than for a box.
class BoxTypeTrie {
public:
    static constexpr int kTypeLength = 4;
    // Children per node; the known types use 24 different first characters.
    static constexpr int32_t kMaxChildren = 64;

    struct Node {
        uint8_t character = 0;
        int32_t childCount = 0;
        // kMaxChildren zeroed nodes, allocated with the first child; only
        // the first childCount of them are in use.
        std::unique_ptr<Node[]> children;
    };

    // Adds a type (four characters). False when a level already holds
    // kMaxChildren other characters; the type is then not added.
    bool Add(const char* type);
    bool Contains(const uint8_t* type) const;

    // s holds the type's characters from position depth on; depth counts
    // from 0 for the first character.
    static bool Insert(Node& node, const uint8_t* s, int depth);
    static bool Contains(const Node& node, const uint8_t* s, int depth);

private:
    Node root_;
};

// A trie of the recorder's table of known types (RecordingLayout::kKnownBoxTypes).
std::unique_ptr<BoxTypeTrie> MakeKnownBoxTypeTrie();
