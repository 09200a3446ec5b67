#pragma once

#include <objbase.h>

#include <atomic>
#include <cstddef>
#include <new>

// The small COM base of the presenter's objects: an interlocked reference
// count and QueryInterface over a table of the class's interfaces.
namespace com {

// The reference count of one object. A new object holds one reference,
// the creator's; the last Release deletes it.
class RefCount {
public:
    ULONG AddRef() { return ++count_; }
    template <class Object>
    ULONG Release(Object* object) {
        const ULONG left = --count_;
        if (left == 0) delete object;
        return left;
    }

private:
    std::atomic<ULONG> count_{1};
};

// One row of a QueryInterface table: an interface id and how to reach that
// interface of the object.
struct InterfaceEntry {
    const IID* iid;
    IUnknown* (*cast)(void* object);
};

template <class Object, class Interface>
InterfaceEntry Entry() {
    return {&__uuidof(Interface), [](void* object) -> IUnknown* {
                return static_cast<Interface*>(static_cast<Object*>(object));
            }};
}

// Answers QueryInterface from a table: IUnknown is the first entry's
// pointer, a miss clears the out pointer.
template <class Object, size_t Count>
HRESULT QueryFromTable(Object* object, const InterfaceEntry (&table)[Count], REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    for (size_t i = 0; i < Count; ++i) {
        if (IsEqualIID(iid, *table[i].iid) || (i == 0 && IsEqualIID(iid, __uuidof(IUnknown)))) {
            IUnknown* found = table[i].cast(object);
            found->AddRef();
            *out = found;
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

// Two-phase creation: constructors cannot fail, so an Initialize step
// returns the HRESULT. The caller gets the object holding one reference,
// or nothing.
template <class Object>
HRESULT CreateObject(Object** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    Object* object = new (std::nothrow) Object();
    if (object == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = object->Initialize();
    if (FAILED(result)) {
        object->Release();
        return result;
    }
    *out = object;
    return S_OK;
}

}  // namespace com
