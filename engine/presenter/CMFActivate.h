#pragma once

#include <mfidl.h>

#include "ComObject.h"
#include "CriticalSection.h"
#include "EVRCustomPresenter.h"
#include "LiveObjects.h"
#include "framework/ComPtr.h"

// The activation object the player hangs on the video renderer's activation
// (MF_ACTIVATE_CUSTOM_VIDEO_PRESENTER_ACTIVATE): when the renderer is made,
// it asks this object for its presenter, and gets the program's own,
// created once and cached. The attribute store part forwards to an inner
// store.
class CMFActivate final : public IMFActivate {
public:
    // A new activation object holding one reference for the caller.
    static HRESULT CreateInstance(CMFActivate** activate);

    // The cached presenter, or null before the first activation and after
    // ShutdownObject or DetachObject. No reference is added: the caller
    // uses it only while it holds this object and the presenter is live.
    EVRCustomPresenter* Presenter() const;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release(this); }

    // IMFAttributes, each forwarded to the inner store.
    STDMETHODIMP GetItem(REFGUID key, PROPVARIANT* value) override;
    STDMETHODIMP GetItemType(REFGUID key, MF_ATTRIBUTE_TYPE* type) override;
    STDMETHODIMP CompareItem(REFGUID key, REFPROPVARIANT value, BOOL* result) override;
    STDMETHODIMP Compare(IMFAttributes* theirs, MF_ATTRIBUTES_MATCH_TYPE type, BOOL* result) override;
    STDMETHODIMP GetUINT32(REFGUID key, UINT32* value) override;
    STDMETHODIMP GetUINT64(REFGUID key, UINT64* value) override;
    STDMETHODIMP GetDouble(REFGUID key, double* value) override;
    STDMETHODIMP GetGUID(REFGUID key, GUID* value) override;
    STDMETHODIMP GetStringLength(REFGUID key, UINT32* length) override;
    STDMETHODIMP GetString(REFGUID key, LPWSTR value, UINT32 size, UINT32* length) override;
    STDMETHODIMP GetAllocatedString(REFGUID key, LPWSTR* value, UINT32* length) override;
    STDMETHODIMP GetBlobSize(REFGUID key, UINT32* size) override;
    STDMETHODIMP GetBlob(REFGUID key, UINT8* buffer, UINT32 size, UINT32* blobSize) override;
    STDMETHODIMP GetAllocatedBlob(REFGUID key, UINT8** buffer, UINT32* size) override;
    STDMETHODIMP GetUnknown(REFGUID key, REFIID iid, LPVOID* out) override;
    STDMETHODIMP SetItem(REFGUID key, REFPROPVARIANT value) override;
    STDMETHODIMP DeleteItem(REFGUID key) override;
    STDMETHODIMP DeleteAllItems() override;
    STDMETHODIMP SetUINT32(REFGUID key, UINT32 value) override;
    STDMETHODIMP SetUINT64(REFGUID key, UINT64 value) override;
    STDMETHODIMP SetDouble(REFGUID key, double value) override;
    STDMETHODIMP SetGUID(REFGUID key, REFGUID value) override;
    STDMETHODIMP SetString(REFGUID key, LPCWSTR value) override;
    STDMETHODIMP SetBlob(REFGUID key, const UINT8* buffer, UINT32 size) override;
    STDMETHODIMP SetUnknown(REFGUID key, IUnknown* value) override;
    STDMETHODIMP LockStore() override;
    STDMETHODIMP UnlockStore() override;
    STDMETHODIMP GetCount(UINT32* count) override;
    STDMETHODIMP GetItemByIndex(UINT32 index, GUID* key, PROPVARIANT* value) override;
    STDMETHODIMP CopyAllItems(IMFAttributes* destination) override;

    // IMFActivate
    STDMETHODIMP ActivateObject(REFIID iid, void** out) override;
    STDMETHODIMP ShutdownObject() override;
    STDMETHODIMP DetachObject() override;

private:
    friend class com::RefCount;
    template <class Object>
    friend HRESULT com::CreateObject(Object** out);
    CMFActivate() = default;
    ~CMFActivate() = default;
    HRESULT Initialize();
    void ForgetPresenter();

    com::RefCount references_;
    LiveObjects<CMFActivate> live_;
    mutable CriticalSection lock_;
    fw::ComPtr<EVRCustomPresenter> presenter_;
    fw::ComPtr<IMFAttributes> attributes_;
};
