#pragma once

#include <memory>

#include "format/BoxTypeTrie.h"

// The engine's one set of known box types, which MovieBoxIndex needs to tell
// boxes from data. The main window builds it once at start-up, after the
// engine is set up, and frees it at teardown, after the engine is taken down.
// An index being opened meanwhile keeps the set alive until it is done.

// False when the set cannot be built; MovieBoxIndex::Open then fails.
bool BuildKnownBoxTypes();
void FreeKnownBoxTypes();

// The set, or null while it is not built.
std::shared_ptr<const BoxTypeTrie> KnownBoxTypes();
