// A small page table for the in-process tests of the handlers: only the controls the handlers
// under test read and write, at the places and with the initial states of the real pages, and no
// Created handler, so that loading a page installs nothing.
#pragma once

#include <string>
#include <vector>

#include "gui/runtime.h"

namespace behaviourtest {

// Initialises the GUI layer once and installs the test pages.
void UseTestPages();

// Ticks of ProgressPage 时钟1 seen so far; each is passed on to the real TimerTick handler.
int TickCount();
void ResetTickCount();

// Runs pending events through the GUI layer for about `ms` milliseconds.
void RunEventsFor(unsigned ms);

// Every text written into ProgressPage 标签3 while the page is open, in order.
const std::vector<std::string>& SourcePathsShown();
void ForgetSourcePathsShown();

}  // namespace behaviourtest
