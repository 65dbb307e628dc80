#pragma once
// The engine's result codes sorted into the kinds of fault a user can act on, in one place, so that every
// window words a failure alike.
#include "base/EngineFault.h"

// The fault of an engine code: SQLite's (extended) result code, or one of the layer's own Jet numbers.
EngineFault ClassifyEngineCode(int engineCode);
