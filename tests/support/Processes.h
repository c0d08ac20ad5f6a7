#pragma once

// True when pid names no live process: it is gone, or a zombie waiting to be reaped.
bool processEnded(long pid);
