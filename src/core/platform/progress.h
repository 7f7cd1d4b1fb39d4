#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

// The labelled progress bar in the status bar, for long document operations.
// It disappears when released.
class ProgressMeter {
public:
    virtual ~ProgressMeter() = default;
    virtual void SetRange(int low, int high) = 0;
    virtual void SetPos(int pos) = 0;
};

// A meter of 0..`positions` for work of `total` units, set only when it
// moves: each position shown may cost a paint, and work of thousands of
// blocks or millions of lines must not cost as many. Without a meter it
// shows nothing.
class SteppedProgress {
public:
    SteppedProgress(std::unique_ptr<ProgressMeter> meter, int positions, std::uint64_t total)
        : m_meter(std::move(meter)), m_positions(positions), m_total(total)
    {
        if (m_meter)
            m_meter->SetRange(0, positions);
    }
    void Done(std::uint64_t units)
    {
        if (!m_meter)
            return;
        const auto position = static_cast<int>(
            m_total == 0 ? m_positions : std::min<std::uint64_t>(m_positions, units * m_positions / m_total));
        if (position != m_shown)
            m_meter->SetPos(m_shown = position);
    }

private:
    std::unique_ptr<ProgressMeter> m_meter;
    int m_positions;
    std::uint64_t m_total;
    int m_shown = -1;
};
