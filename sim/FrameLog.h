#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "MouseConnection.h"

enum class FrameOutcome {
    Taken,          // applied (or held as the first packet) and acknowledged
    Refused,        // wrong checksum, bad length or payload: not applied, not acknowledged
    Unacknowledged, // dropped on purpose by the `nak` fault
};

// One feature report written to a command interface.
struct FrameRecord {
    MouseConnection kind;
    std::vector<uint8_t> bytes; // as written, report id first
    FrameOutcome outcome = FrameOutcome::Taken;
    std::string note; // why it was refused, or which packet it was
};

// "SetButtonTable 06 01 ..." with the outcome after the bytes when the frame was not taken.
std::string FormatFrame(const FrameRecord& frame);

// The most recent frames, oldest first; old ones fall out so a long session stays small.
class FrameLog {
  public:
    static constexpr size_t kCapacity = 4096;

    void Add(FrameRecord frame);
    std::vector<FrameRecord> Records() const { return {records_.begin(), records_.end()}; }
    void Clear() { records_.clear(); }

  private:
    std::deque<FrameRecord> records_;
};
