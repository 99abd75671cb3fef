// The core as the windows see it. Qt defines "slots" as a keyword macro, which
// would swallow the dictionary's slots() accessor, so the core is read with
// that macro set aside.
#pragma once
#include <QtCore/qglobal.h>
#include <QtCore/qobjectdefs.h>

#pragma push_macro("slots")
#undef slots
#include "quarn.h"
#pragma pop_macro("slots")
