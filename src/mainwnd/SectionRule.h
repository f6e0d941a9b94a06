#pragma once

#include <functional>
#include <vector>

// Opening a section normally leaves two open: it and the highest-priority one that was open.
// Returns the headers to close when `opened` has just opened; `isOpen` reads the headers' state
// (the opened one included). Nothing closes when no header of its priority list is open.
std::vector<int> HeadersToCloseOnOpen(int opened, const std::function<bool(int header)>& isOpen);
