#include "CMFActivate.h"

#include <mfapi.h>
#include <mferror.h>

#include <utility>

HRESULT CMFActivate::CreateInstance(CMFActivate** activate) { return com::CreateObject(activate); }

HRESULT CMFActivate::Initialize() { return MFCreateAttributes(attributes_.Put(), 0); }

EVRCustomPresenter* CMFActivate::Presenter() const {
    CriticalSectionLock hold(lock_);
    return presenter_.Get();
}

STDMETHODIMP CMFActivate::QueryInterface(REFIID iid, void** out) {
    static const com::InterfaceEntry table[] = {
        com::Entry<CMFActivate, IMFActivate>(),
        com::Entry<CMFActivate, IMFAttributes>(),
    };
    return com::QueryFromTable(this, table, iid, out);
}

// Two renderers activating at once get one presenter between them.
STDMETHODIMP CMFActivate::ActivateObject(REFIID iid, void** out) {
    if (!IsEqualIID(iid, __uuidof(IMFVideoPresenter))) return MF_E_CANNOT_CREATE_SINK;
    if (out == nullptr) return E_POINTER;
    CriticalSectionLock hold(lock_);
    if (!presenter_) {
        EVRCustomPresenter* created = nullptr;
        if (FAILED(EVRCustomPresenter::CreateInstance(&created))) return MF_E_CANNOT_CREATE_SINK;
        presenter_ = fw::ComPtr<EVRCustomPresenter>::Adopt(created);
    }
    return presenter_->QueryInterface(iid, out);
}

STDMETHODIMP CMFActivate::ShutdownObject() {
    ForgetPresenter();
    return S_OK;
}

// The presenter lives on for whoever else holds it; this object's own
// reference goes, or nothing could ever release it.
STDMETHODIMP CMFActivate::DetachObject() {
    ForgetPresenter();
    return S_OK;
}

void CMFActivate::ForgetPresenter() {
    fw::ComPtr<EVRCustomPresenter> released;
    CriticalSectionLock hold(lock_);
    std::swap(released, presenter_);
}

STDMETHODIMP CMFActivate::GetItem(REFGUID key, PROPVARIANT* value) { return attributes_->GetItem(key, value); }
STDMETHODIMP CMFActivate::GetItemType(REFGUID key, MF_ATTRIBUTE_TYPE* type) {
    return attributes_->GetItemType(key, type);
}
STDMETHODIMP CMFActivate::CompareItem(REFGUID key, REFPROPVARIANT value, BOOL* result) {
    return attributes_->CompareItem(key, value, result);
}
STDMETHODIMP CMFActivate::Compare(IMFAttributes* theirs, MF_ATTRIBUTES_MATCH_TYPE type, BOOL* result) {
    return attributes_->Compare(theirs, type, result);
}
STDMETHODIMP CMFActivate::GetUINT32(REFGUID key, UINT32* value) { return attributes_->GetUINT32(key, value); }
STDMETHODIMP CMFActivate::GetUINT64(REFGUID key, UINT64* value) { return attributes_->GetUINT64(key, value); }
STDMETHODIMP CMFActivate::GetDouble(REFGUID key, double* value) { return attributes_->GetDouble(key, value); }
STDMETHODIMP CMFActivate::GetGUID(REFGUID key, GUID* value) { return attributes_->GetGUID(key, value); }
STDMETHODIMP CMFActivate::GetStringLength(REFGUID key, UINT32* length) {
    return attributes_->GetStringLength(key, length);
}
STDMETHODIMP CMFActivate::GetString(REFGUID key, LPWSTR value, UINT32 size, UINT32* length) {
    return attributes_->GetString(key, value, size, length);
}
STDMETHODIMP CMFActivate::GetAllocatedString(REFGUID key, LPWSTR* value, UINT32* length) {
    return attributes_->GetAllocatedString(key, value, length);
}
STDMETHODIMP CMFActivate::GetBlobSize(REFGUID key, UINT32* size) { return attributes_->GetBlobSize(key, size); }
STDMETHODIMP CMFActivate::GetBlob(REFGUID key, UINT8* buffer, UINT32 size, UINT32* blobSize) {
    return attributes_->GetBlob(key, buffer, size, blobSize);
}
STDMETHODIMP CMFActivate::GetAllocatedBlob(REFGUID key, UINT8** buffer, UINT32* size) {
    return attributes_->GetAllocatedBlob(key, buffer, size);
}
STDMETHODIMP CMFActivate::GetUnknown(REFGUID key, REFIID iid, LPVOID* out) {
    return attributes_->GetUnknown(key, iid, out);
}
STDMETHODIMP CMFActivate::SetItem(REFGUID key, REFPROPVARIANT value) { return attributes_->SetItem(key, value); }
STDMETHODIMP CMFActivate::DeleteItem(REFGUID key) { return attributes_->DeleteItem(key); }
STDMETHODIMP CMFActivate::DeleteAllItems() { return attributes_->DeleteAllItems(); }
STDMETHODIMP CMFActivate::SetUINT32(REFGUID key, UINT32 value) { return attributes_->SetUINT32(key, value); }
STDMETHODIMP CMFActivate::SetUINT64(REFGUID key, UINT64 value) { return attributes_->SetUINT64(key, value); }
STDMETHODIMP CMFActivate::SetDouble(REFGUID key, double value) { return attributes_->SetDouble(key, value); }
STDMETHODIMP CMFActivate::SetGUID(REFGUID key, REFGUID value) { return attributes_->SetGUID(key, value); }
STDMETHODIMP CMFActivate::SetString(REFGUID key, LPCWSTR value) { return attributes_->SetString(key, value); }
STDMETHODIMP CMFActivate::SetBlob(REFGUID key, const UINT8* buffer, UINT32 size) {
    return attributes_->SetBlob(key, buffer, size);
}
STDMETHODIMP CMFActivate::SetUnknown(REFGUID key, IUnknown* value) { return attributes_->SetUnknown(key, value); }
STDMETHODIMP CMFActivate::LockStore() { return attributes_->LockStore(); }
STDMETHODIMP CMFActivate::UnlockStore() { return attributes_->UnlockStore(); }
STDMETHODIMP CMFActivate::GetCount(UINT32* count) { return attributes_->GetCount(count); }
STDMETHODIMP CMFActivate::GetItemByIndex(UINT32 index, GUID* key, PROPVARIANT* value) {
    return attributes_->GetItemByIndex(index, key, value);
}
STDMETHODIMP CMFActivate::CopyAllItems(IMFAttributes* destination) { return attributes_->CopyAllItems(destination); }
