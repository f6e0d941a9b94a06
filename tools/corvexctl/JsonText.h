#pragma once

#include "Utf8.h"

#include <cstdint>
#include <cstdio>
#include <string>

// Binary fields print as upper-case hex, as the files store them.
template <typename Bytes> std::string Hex(const Bytes& bytes) {
    std::string out;
    char buf[3];
    for (auto b : bytes) {
        std::snprintf(buf, sizeof buf, "%.2X", static_cast<unsigned>(static_cast<uint8_t>(b)));
        out += buf;
    }
    return out;
}
