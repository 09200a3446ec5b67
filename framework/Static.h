#pragma once

#include "framework/Window.h"

namespace fw {

// A static text or picture ("STATIC").
class Static : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(L"STATIC", args); }
};

}  // namespace fw
