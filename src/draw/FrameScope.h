#pragma once

// While one lives, drawing on the surface belongs to a planned frame: the screen that
// resumes it knows what it changes. Drawing outside any scope may change anything.
class FrameScope {
public:
    FrameScope();
    ~FrameScope();
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;
};
