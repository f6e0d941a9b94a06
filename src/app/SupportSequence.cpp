#include "app/SupportSequence.h"

bool SupportSequence::OnKey(int vk) {
    if (vk == kLetters[matched_]) {
        if (++matched_ < kLength)
            return false;
        matched_ = 0;
        return true;
    }
    // A key that can start the sequence starts it anew.
    matched_ = vk == kLetters[0] ? 1 : 0;
    return false;
}
