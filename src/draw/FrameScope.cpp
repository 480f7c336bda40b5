#include "draw/FrameScope.h"

#include "draw/Drawing.h"

FrameScope::FrameScope() { Drawing().plan.scopes += 1; }

// An overlay look that no frame took belongs to no later frame either.
FrameScope::~FrameScope() {
    FramePlan& plan = Drawing().plan;
    plan.scopes -= 1;
    if (plan.scopes == 0) plan.overlayLook.clear();
}
