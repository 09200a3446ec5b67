#pragma once

#include <functional>
#include <memory>

#include "framework/ComObject.h"

// A completion or event handler of the web-view runtime whose Invoke runs
// a function. Handlers are held by the runtime and may be called after
// their maker is gone: Bound() below ties a function to its maker's life.
template <class Interface, class... Arguments>
class Callback final : public fw::ComObject<Callback<Interface, Arguments...>, Interface> {
public:
    using Function = std::function<HRESULT(Arguments...)>;
    explicit Callback(Function function) : function_(std::move(function)) {}

    HRESULT STDMETHODCALLTYPE Invoke(Arguments... arguments) override { return function_(arguments...); }

private:
    Function function_;
};

// A function that runs only while `alive` does; afterwards the call is
// answered with E_ABORT and touches nothing.
template <class... Arguments, class Function>
std::function<HRESULT(Arguments...)> Bound(const std::shared_ptr<void>& alive, Function function) {
    return [weak = std::weak_ptr<void>(alive), function](Arguments... arguments) -> HRESULT {
        if (weak.expired()) {
            return E_ABORT;
        }
        return function(arguments...);
    };
}
