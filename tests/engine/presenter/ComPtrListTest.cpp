#include <gtest/gtest.h>

#include "core/ComPtrList.h"

namespace {

using MediaFoundationSamples::ComPtrList;

struct Counted {
    int references = 1;
    unsigned long AddRef() { return ++references; }
    unsigned long Release() { return --references; }
};

struct FailingAllocator {
    template <class Node>
    static Node* New() {
        return nullptr;
    }
    template <class Node>
    static void Delete(Node* node) {
        delete node;
    }
};

TEST(ComPtrList, HoldsOneReferencePerItemAndHandsItOverOnRemoval) {
    Counted item;
    {
        ComPtrList<Counted> list;
        ASSERT_EQ(list.InsertBack(&item), S_OK);
        EXPECT_EQ(item.references, 2);
        Counted* out = nullptr;
        ASSERT_EQ(list.GetFront(&out), S_OK);
        EXPECT_EQ(item.references, 3) << "get hands out a reference of its own";
        out->Release();
        ASSERT_EQ(list.RemoveFront(&out), S_OK);
        EXPECT_EQ(item.references, 2) << "removal hands the list's reference over";
        EXPECT_TRUE(list.IsEmpty());
        out->Release();
        ASSERT_EQ(list.InsertBack(&item), S_OK);
        ASSERT_EQ(list.RemoveFront(nullptr), S_OK);
        EXPECT_EQ(item.references, 1) << "removal without an out pointer releases";
        ASSERT_EQ(list.InsertFront(&item), S_OK);
    }
    EXPECT_EQ(item.references, 1) << "the destructor releases what is left";
}

TEST(ComPtrList, RefusesTheAnchorAndNullsWithoutChangingAnything) {
    Counted item;
    ComPtrList<Counted> list;
    ASSERT_EQ(list.InsertBack(&item), S_OK);
    EXPECT_EQ(list.RemoveItem(list.Anchor(), nullptr), E_INVALIDARG);
    EXPECT_EQ(list.RemoveItem(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(list.InsertAfter(nullptr, list.Anchor()), E_POINTER);
    EXPECT_EQ(list.InsertAfter(&item, nullptr), E_POINTER);
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(item.references, 2);
    list.Clear();
    EXPECT_EQ(item.references, 1);
    EXPECT_EQ(list.RemoveFront(nullptr), E_INVALIDARG) << "an empty list's front is its anchor";
}

TEST(ComPtrList, AFailedNodeAllocationLeavesTheListAndTheItemAsTheyWere) {
    Counted item;
    ComPtrList<Counted, FailingAllocator> list;
    EXPECT_EQ(list.InsertBack(&item), E_OUTOFMEMORY);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(item.references, 1);
}

}  // namespace
