#pragma once
// The mark on the page's timeline of a window's first painting, which the
// start-up measurements read.
#include <emscripten/val.h>
#include <string>

inline void MarkFirstPaint()
{
    emscripten::val::global("performance").call<void>("mark", std::string("voltaris-first-paint"));
}
