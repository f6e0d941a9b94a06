#pragma once

// The thumb of a vertical scroll bar over the track [top, bottom] (both pixels inside it).
struct ThumbSpan {
    int top = 0;
    int bottom = 0;
    friend bool operator==(const ThumbSpan&, const ThumbSpan&) = default;
};

// Thumb for position and page out of total; total 0 (or less) gives the whole track. A position
// outside 0..total is taken as the nearest end, so the thumb never leaves the track.
ThumbSpan ThumbFor(int trackTop, int trackBottom, int position, int page, int total);

// The position a thumb whose top is at thumbTop stands for.
int PositionForThumb(int thumbTop, int trackTop, int trackBottom, int total);
