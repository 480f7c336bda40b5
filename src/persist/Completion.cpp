#include "persist/Completion.h"

#include "engine/Rules.h"

bool CheckGridComplete() { return IsGridFull(); }
