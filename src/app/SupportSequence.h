#pragma once

#include <cstddef>

// The hidden key sequence that shows the support contact: ten letters typed in a row.
class SupportSequence {
  public:
    static constexpr const char kLetters[] = "CORVEXHELP";
    static constexpr size_t kLength = sizeof(kLetters) - 1;

    // A key-down; true when it completed the sequence (the counter starts over).
    bool OnKey(int vk);
    void Reset() { matched_ = 0; }
    size_t Matched() const { return matched_; }

  private:
    size_t matched_ = 0;
};
