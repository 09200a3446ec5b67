#pragma once

#include <windows.h>
#include <oaidl.h>

#include <algorithm>
#include <vector>

// A method call by name as a page's script makes it: the arguments in
// their written order (DISPPARAMS holds them last to first). The result is
// the caller's to clear.
inline HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments, VARIANT* result,
                          WORD flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    const HRESULT found = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) {
        return found;
    }
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    VariantInit(result);
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr, nullptr);
}

// Numbers as script passes them: integers as VT_I4, others as VT_R8.
inline VARIANT Int(long value) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}
inline VARIANT Real(double value) {
    VARIANT v{};
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}
