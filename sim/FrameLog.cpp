#include "FrameLog.h"

#include <cstdio>

#include "FirmwareCommands.h"

namespace {

std::string_view ReportName(const std::vector<uint8_t>& bytes) {
    if (bytes.empty())
        return "Empty";
    if (bytes[0] == kPairingReport)
        return "RequestPairing";
    if (bytes[0] != kCommandReport || bytes.size() < 2)
        return "Unknown";
    return CommandName(bytes[1]);
}

std::string_view OutcomeText(FrameOutcome outcome) {
    switch (outcome) {
    case FrameOutcome::Taken:
        return "";
    case FrameOutcome::Refused:
        return "refused";
    case FrameOutcome::Unacknowledged:
        return "not acknowledged";
    }
    return "";
}

} // namespace

std::string FormatFrame(const FrameRecord& frame) {
    std::string text(ReportName(frame.bytes));
    for (uint8_t b : frame.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        text += hex;
    }
    const std::string_view outcome = OutcomeText(frame.outcome);
    if (!outcome.empty() || !frame.note.empty()) {
        text += " (";
        text += outcome;
        if (!outcome.empty() && !frame.note.empty())
            text += ": ";
        text += frame.note;
        text += ')';
    }
    return text;
}

void FrameLog::Add(FrameRecord frame) {
    if (records_.size() == kCapacity)
        records_.pop_front();
    records_.push_back(std::move(frame));
}
