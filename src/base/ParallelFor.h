// Runs the parts of a job on all cores: the caller's thread and worker threads kept for the
// whole run take the parts in turn, and the call returns once every part is done. The parts
// must not write the same memory; which thread runs a part never changes what it computes.
#pragma once

#include <functional>

// The machine's cores, at least 1 and at most 8: the threads that run a job's parts. A job of
// a few times as many parts keeps them all busy to its end.
int parallel_parts();

// Calls part(i) for i in [0, parts), concurrently, and waits for all of them.
void parallel_for(int parts, const std::function<void(int)>& part);
