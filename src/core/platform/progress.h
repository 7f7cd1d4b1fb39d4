#pragma once

#include <memory>
#include <string>

// The labelled progress bar in the status bar, for long document operations.
// It disappears when released.
class ProgressMeter {
public:
    virtual ~ProgressMeter() = default;
    virtual void SetRange(int low, int high) = 0;
    virtual void SetStep(int step) = 0;
    virtual void StepIt() = 0;
    virtual void SetPos(int pos) = 0;
};
