#include "format/BoxTypeTrie.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "format/RecordingLayout.h"

namespace {

using Type = std::string;

bool Known(const BoxTypeTrie& trie, const std::string& type) {
    return trie.Contains(reinterpret_cast<const uint8_t*>(type.data()));
}

std::set<std::string> KnownTypeSet() {
    std::set<std::string> types;
    for (const char* type : RecordingLayout::kKnownBoxTypes) types.insert(std::string(type, 4));
    return types;
}

// Every type one character away from a known one: the neighbours of the
// character, its other case, a space and the zero byte, at each place.
std::set<std::string> NearMisses(const std::set<std::string>& known) {
    std::set<std::string> misses;
    for (const std::string& type : known) {
        for (size_t at = 0; at < 4; ++at) {
            const unsigned char c = static_cast<unsigned char>(type[at]);
            for (int variant : {c + 1, c - 1, std::toupper(c), std::tolower(c), int{' '}, 0, 0xFF}) {
                std::string miss = type;
                miss[at] = static_cast<char>(variant);
                misses.insert(miss);
            }
        }
    }
    return misses;
}

TEST(BoxTypeTrie, AnswersLikeTheSetOfKnownTypes) {
    const auto trie = MakeKnownBoxTypeTrie();
    ASSERT_NE(trie, nullptr);
    const std::set<std::string> known = KnownTypeSet();
    for (const char* type : RecordingLayout::kKnownBoxTypes) EXPECT_TRUE(Known(*trie, type)) << type;
    const std::set<std::string> misses = NearMisses(known);
    ASSERT_GT(misses.size(), 3000u);
    for (const std::string& type : misses) {
        EXPECT_EQ(Known(*trie, type), known.count(type) == 1) << "'" << type << "'";
    }
}

TEST(BoxTypeTrie, TypesMissingFromTheTableAreUnknown) {
    const auto trie = MakeKnownBoxTypeTrie();
    ASSERT_NE(trie, nullptr);
    const Type unknown[] = {Type("moo\0", 4), Type("MOOV"), Type("wide"), Type("tapt"),
                            Type("gmhd"), Type("tmcd"), Type("\0\0\0\0", 4), Type("    ")};
    for (const std::string& type : unknown) {
        EXPECT_FALSE(Known(*trie, type)) << "'" << type << "'";
    }
}

TEST(BoxTypeTrie, TypeListedTwiceIsStoredOnce) {
    BoxTypeTrie trie;
    ASSERT_TRUE(trie.Add("xml "));
    ASSERT_TRUE(trie.Add("xml "));
    BoxTypeTrie::Node root;
    const uint8_t* xml = reinterpret_cast<const uint8_t*>("xml ");
    ASSERT_TRUE(BoxTypeTrie::Insert(root, xml, 0));
    ASSERT_TRUE(BoxTypeTrie::Insert(root, xml, 0));
    EXPECT_EQ(root.childCount, 1);
    EXPECT_EQ(root.children[0].childCount, 1);
    EXPECT_EQ(root.children[0].children[0].children[0].childCount, 1);
    EXPECT_TRUE(BoxTypeTrie::Contains(root, xml, 0));
}

// A level holds at most 64 characters: the 65th is refused, and every one
// already there stays whole.
TEST(BoxTypeTrie, FullLevelRefusesANewCharacter) {
    BoxTypeTrie trie;
    std::string type = "aaaa";
    for (int i = 0; i < BoxTypeTrie::kMaxChildren; ++i) {
        type[0] = static_cast<char>(0x30 + i);
        ASSERT_TRUE(trie.Add(type.c_str())) << i;
    }
    type[0] = static_cast<char>(0x30 + BoxTypeTrie::kMaxChildren);
    EXPECT_FALSE(trie.Add(type.c_str()));
    EXPECT_FALSE(Known(trie, type));
    for (int i = 0; i < BoxTypeTrie::kMaxChildren; ++i) {
        type[0] = static_cast<char>(0x30 + i);
        EXPECT_TRUE(Known(trie, type)) << i;
    }
}

}  // namespace
