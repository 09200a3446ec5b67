#pragma once

#include <cstdint>
#include <new>

#include "PresenterResults.h"

namespace MediaFoundationSamples {

// Allocates list nodes without throwing: no C++ exception may leave a COM
// method, so a failed allocation is an E_OUTOFMEMORY result.
struct NothrowNodeAllocator {
    template <class Node>
    static Node* New() {
        return new (std::nothrow) Node();
    }
    template <class Node>
    static void Delete(Node* node) {
        delete node;
    }
};

// A doubly linked list around a sentinel anchor. It has no lock of its own:
// its owner guards it.
template <class T, class Allocator = NothrowNodeAllocator>
class List {
public:
    struct Node {
        Node* prev = nullptr;
        Node* next = nullptr;
        T item{};
    };

    List() { anchor_.prev = anchor_.next = &anchor_; }
    virtual ~List() { FreeNodes(); }
    List(const List&) = delete;
    List& operator=(const List&) = delete;

    uint32_t GetCount() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    Node* Anchor() { return &anchor_; }
    Node* Front() { return anchor_.next; }

    HRESULT InsertBack(T item) { return InsertAfter(item, anchor_.prev); }
    HRESULT InsertFront(T item) { return InsertAfter(item, &anchor_); }
    HRESULT RemoveFront(T* out) { return RemoveItem(anchor_.next, out); }
    HRESULT GetFront(T* out) { return GetItem(anchor_.next, out); }

    virtual HRESULT InsertAfter(T item, Node* before) {
        if (before == nullptr) return E_POINTER;
        Node* node = Allocator::template New<Node>();
        if (node == nullptr) return E_OUTOFMEMORY;
        node->item = item;
        node->prev = before;
        node->next = before->next;
        before->next->prev = node;
        before->next = node;
        ++count_;
        return S_OK;
    }
    virtual HRESULT GetItem(const Node* node, T* out) {
        if (node == nullptr || out == nullptr) return E_POINTER;
        *out = node->item;
        return S_OK;
    }
    virtual HRESULT RemoveItem(Node* node, T* out) {
        if (node == nullptr) return E_POINTER;
        if (node == &anchor_) return E_INVALIDARG;
        if (out != nullptr) *out = node->item;
        Unlink(node);
        return S_OK;
    }
    virtual void Clear() { FreeNodes(); }

protected:
    void Unlink(Node* node) {
        node->prev->next = node->next;
        node->next->prev = node->prev;
        Allocator::Delete(node);
        --count_;
    }
    void FreeNodes() {
        while (anchor_.next != &anchor_) Unlink(anchor_.next);
    }

private:
    Node anchor_;
    uint32_t count_ = 0;
};

// A list of COM interface pointers that holds one reference to each item.
template <class Interface, class Allocator = NothrowNodeAllocator>
class ComPtrList : public List<Interface*, Allocator> {
    using Base = List<Interface*, Allocator>;

public:
    using typename Base::Node;
    ComPtrList() = default;
    ~ComPtrList() override { Clear(); }

    HRESULT InsertAfter(Interface* item, Node* before) override {
        if (item == nullptr) return E_POINTER;
        item->AddRef();
        const HRESULT result = Base::InsertAfter(item, before);
        if (FAILED(result)) item->Release();
        return result;
    }
    // Gives the item out with a new reference.
    HRESULT GetItem(const Node* node, Interface** out) override {
        if (node == nullptr || out == nullptr) return E_POINTER;
        *out = node->item;
        if (*out != nullptr) (*out)->AddRef();
        return S_OK;
    }
    // Hands the list's reference to the caller, or releases it when the
    // caller asks for no item.
    HRESULT RemoveItem(Node* node, Interface** out) override {
        Interface* item = nullptr;
        const HRESULT result = Base::RemoveItem(node, &item);
        if (FAILED(result)) return result;
        if (out != nullptr) {
            *out = item;
        } else if (item != nullptr) {
            item->Release();
        }
        return S_OK;
    }
    void Clear() override {
        Interface* item = nullptr;
        while (SUCCEEDED(Base::RemoveItem(this->Front(), &item))) {
            if (item != nullptr) item->Release();
        }
    }
};

}  // namespace MediaFoundationSamples
