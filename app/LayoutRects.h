#pragma once

#include "app/core/MainWindowGeometry.h"
#include "ui/shared/PlainRectConversion.h"
