#pragma once

// The web-view runtime's interfaces as the web-view map window uses them.
// The runtime's own declarations are not available to this build, so they
// are declared here from the runtime's published reference: each used
// method at its place in the table, with its parameters. Methods the
// program never calls are kept only as numbered places, so the used ones
// land at the right index; they have a body so that the test fakes need
// not spell them.
//
// The runtime calls back on the thread that created it (apartment-
// threaded COM); returned strings are the caller's, freed with
// CoTaskMemFree.

#include <windows.h>
#include <oaidl.h>

#define OSTRILEX_UNUSED_SLOT(n) \
    virtual HRESULT STDMETHODCALLTYPE UnusedSlot##n() { return E_NOTIMPL; }

// Identifies an event registration; handed back by value to remove it.
struct EventRegistrationToken {
    __int64 value;
};

struct ICoreWebView2;
struct ICoreWebView2Controller;
struct ICoreWebView2Environment;
struct ICoreWebView2Settings;
struct ICoreWebView2WebMessageReceivedEventArgs;
struct ICoreWebView2NavigationStartingEventArgs;  // never looked into

// Implemented by the program: what the environment is created with.
struct ICoreWebView2EnvironmentOptions : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_AdditionalBrowserArguments(LPWSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AdditionalBrowserArguments(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Language(LPWSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Language(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TargetCompatibleBrowserVersion(LPWSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_TargetCompatibleBrowserVersion(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AllowSingleSignOnUsingOSPrimaryAccount(BOOL* allow) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AllowSingleSignOnUsingOSPrimaryAccount(BOOL allow) = 0;
};
__CRT_UUID_DECL(ICoreWebView2EnvironmentOptions, 0x2fde08a8, 0x1e9a, 0x4766, 0x8c, 0x05, 0x95, 0xa9, 0xce, 0xb9, 0xd1,
                0xc5)

struct ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT errorCode, ICoreWebView2Environment* environment) = 0;
};
__CRT_UUID_DECL(ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler, 0x4e8a3389, 0xc9d8, 0x4bd2, 0xb6, 0xb5,
                0x12, 0x4f, 0xee, 0x6c, 0xc1, 0x4d)

struct ICoreWebView2CreateCoreWebView2ControllerCompletedHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT errorCode, ICoreWebView2Controller* controller) = 0;
};
__CRT_UUID_DECL(ICoreWebView2CreateCoreWebView2ControllerCompletedHandler, 0x6c4819f3, 0xc9b7, 0x4260, 0x81, 0x27,
                0xc9, 0xf5, 0xbd, 0xe7, 0xf6, 0x8c)

struct ICoreWebView2Environment : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateCoreWebView2Controller(
        HWND parentWindow, ICoreWebView2CreateCoreWebView2ControllerCompletedHandler* handler) = 0;
};
__CRT_UUID_DECL(ICoreWebView2Environment, 0xb96d755e, 0x0319, 0x4e92, 0xa2, 0x96, 0x23, 0x43, 0x6f, 0x46, 0xa1, 0xfc)

struct ICoreWebView2Controller : public IUnknown {
    OSTRILEX_UNUSED_SLOT(3)
    OSTRILEX_UNUSED_SLOT(4)
    OSTRILEX_UNUSED_SLOT(5)
    virtual HRESULT STDMETHODCALLTYPE put_Bounds(RECT bounds) = 0;
    OSTRILEX_UNUSED_SLOT(7)
    OSTRILEX_UNUSED_SLOT(8)
    OSTRILEX_UNUSED_SLOT(9)
    OSTRILEX_UNUSED_SLOT(10)
    OSTRILEX_UNUSED_SLOT(11)
    OSTRILEX_UNUSED_SLOT(12)
    OSTRILEX_UNUSED_SLOT(13)
    OSTRILEX_UNUSED_SLOT(14)
    OSTRILEX_UNUSED_SLOT(15)
    OSTRILEX_UNUSED_SLOT(16)
    OSTRILEX_UNUSED_SLOT(17)
    OSTRILEX_UNUSED_SLOT(18)
    OSTRILEX_UNUSED_SLOT(19)
    OSTRILEX_UNUSED_SLOT(20)
    OSTRILEX_UNUSED_SLOT(21)
    OSTRILEX_UNUSED_SLOT(22)
    OSTRILEX_UNUSED_SLOT(23)
    OSTRILEX_UNUSED_SLOT(24)
    virtual HRESULT STDMETHODCALLTYPE get_CoreWebView2(ICoreWebView2** webView) = 0;
};
__CRT_UUID_DECL(ICoreWebView2Controller, 0x4d00c0d1, 0x9434, 0x4eb6, 0x80, 0x78, 0x86, 0x97, 0xa5, 0x60, 0x33, 0x4f)

struct ICoreWebView2Settings : public IUnknown {
    OSTRILEX_UNUSED_SLOT(3)
    virtual HRESULT STDMETHODCALLTYPE put_IsScriptEnabled(BOOL enabled) = 0;
    OSTRILEX_UNUSED_SLOT(5)
    virtual HRESULT STDMETHODCALLTYPE put_IsWebMessageEnabled(BOOL enabled) = 0;
    OSTRILEX_UNUSED_SLOT(7)
    virtual HRESULT STDMETHODCALLTYPE put_AreDefaultScriptDialogsEnabled(BOOL enabled) = 0;
};
__CRT_UUID_DECL(ICoreWebView2Settings, 0xe562e4f0, 0xd7fa, 0x43ac, 0x8d, 0x71, 0xc0, 0x51, 0x50, 0x49, 0x9f, 0x00)

struct ICoreWebView2WebMessageReceivedEventArgs : public IUnknown {
    OSTRILEX_UNUSED_SLOT(3)
    virtual HRESULT STDMETHODCALLTYPE get_WebMessageAsJson(LPWSTR* json) = 0;
};
__CRT_UUID_DECL(ICoreWebView2WebMessageReceivedEventArgs, 0x0f99a40c, 0xe962, 0x4207, 0x9e, 0x92, 0xe3, 0xd5, 0x42,
                0xef, 0xf8, 0x49)

struct ICoreWebView2WebMessageReceivedEventHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2* sender, ICoreWebView2WebMessageReceivedEventArgs* args) = 0;
};
__CRT_UUID_DECL(ICoreWebView2WebMessageReceivedEventHandler, 0x57213f19, 0x00e6, 0x49fa, 0x8e, 0x07, 0x89, 0x8e, 0xa0,
                0x1e, 0xcb, 0xd2)

struct ICoreWebView2NavigationStartingEventHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2* sender, ICoreWebView2NavigationStartingEventArgs* args) = 0;
};
__CRT_UUID_DECL(ICoreWebView2NavigationStartingEventHandler, 0x9adbe429, 0xf36d, 0x432b, 0x9d, 0xdc, 0xf8, 0x88, 0x1f,
                0xbd, 0x76, 0xe3)

struct ICoreWebView2ExecuteScriptCompletedHandler : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT errorCode, LPCWSTR resultAsJson) = 0;
};
__CRT_UUID_DECL(ICoreWebView2ExecuteScriptCompletedHandler, 0x49511172, 0xcc67, 0x4bca, 0x99, 0x23, 0x13, 0x71, 0x12,
                0xf4, 0xc4, 0xcc)

struct ICoreWebView2 : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Settings(ICoreWebView2Settings** settings) = 0;
    OSTRILEX_UNUSED_SLOT(4)
    OSTRILEX_UNUSED_SLOT(5)
    virtual HRESULT STDMETHODCALLTYPE NavigateToString(LPCWSTR htmlContent) = 0;
    virtual HRESULT STDMETHODCALLTYPE add_NavigationStarting(ICoreWebView2NavigationStartingEventHandler* handler,
                                                             EventRegistrationToken* token) = 0;
    virtual HRESULT STDMETHODCALLTYPE remove_NavigationStarting(EventRegistrationToken token) = 0;
    OSTRILEX_UNUSED_SLOT(9)
    OSTRILEX_UNUSED_SLOT(10)
    OSTRILEX_UNUSED_SLOT(11)
    OSTRILEX_UNUSED_SLOT(12)
    OSTRILEX_UNUSED_SLOT(13)
    OSTRILEX_UNUSED_SLOT(14)
    OSTRILEX_UNUSED_SLOT(15)
    OSTRILEX_UNUSED_SLOT(16)
    OSTRILEX_UNUSED_SLOT(17)
    OSTRILEX_UNUSED_SLOT(18)
    OSTRILEX_UNUSED_SLOT(19)
    OSTRILEX_UNUSED_SLOT(20)
    OSTRILEX_UNUSED_SLOT(21)
    OSTRILEX_UNUSED_SLOT(22)
    OSTRILEX_UNUSED_SLOT(23)
    OSTRILEX_UNUSED_SLOT(24)
    OSTRILEX_UNUSED_SLOT(25)
    OSTRILEX_UNUSED_SLOT(26)
    OSTRILEX_UNUSED_SLOT(27)
    OSTRILEX_UNUSED_SLOT(28)
    virtual HRESULT STDMETHODCALLTYPE ExecuteScript(LPCWSTR javaScript,
                                                    ICoreWebView2ExecuteScriptCompletedHandler* handler) = 0;
    OSTRILEX_UNUSED_SLOT(30)
    OSTRILEX_UNUSED_SLOT(31)
    virtual HRESULT STDMETHODCALLTYPE PostWebMessageAsJson(LPCWSTR webMessageAsJson) = 0;
    OSTRILEX_UNUSED_SLOT(33)
    virtual HRESULT STDMETHODCALLTYPE add_WebMessageReceived(ICoreWebView2WebMessageReceivedEventHandler* handler,
                                                             EventRegistrationToken* token) = 0;
    virtual HRESULT STDMETHODCALLTYPE remove_WebMessageReceived(EventRegistrationToken token) = 0;
    OSTRILEX_UNUSED_SLOT(36)
    OSTRILEX_UNUSED_SLOT(37)
    OSTRILEX_UNUSED_SLOT(38)
    OSTRILEX_UNUSED_SLOT(39)
    OSTRILEX_UNUSED_SLOT(40)
    OSTRILEX_UNUSED_SLOT(41)
    OSTRILEX_UNUSED_SLOT(42)
    OSTRILEX_UNUSED_SLOT(43)
    OSTRILEX_UNUSED_SLOT(44)
    OSTRILEX_UNUSED_SLOT(45)
    OSTRILEX_UNUSED_SLOT(46)
    OSTRILEX_UNUSED_SLOT(47)
    OSTRILEX_UNUSED_SLOT(48)
    virtual HRESULT STDMETHODCALLTYPE AddHostObjectToScript(LPCWSTR name, VARIANT* object) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveHostObjectFromScript(LPCWSTR name) = 0;
};
__CRT_UUID_DECL(ICoreWebView2, 0x76eceacb, 0x0462, 0x4d94, 0xac, 0x83, 0x42, 0x3a, 0x67, 0x93, 0x77, 0x5e)

#undef OSTRILEX_UNUSED_SLOT

// The loader's export that creates an environment (stdcall, as every
// method here).
using CreateCoreWebView2EnvironmentWithOptionsFunction = HRESULT(STDAPICALLTYPE*)(
    PCWSTR browserExecutableFolder, PCWSTR userDataFolder, ICoreWebView2EnvironmentOptions* options,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler);
