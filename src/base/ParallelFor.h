// Runs the parts of a job on all cores: part i of n on a worker thread kept for the whole run
// (part 0 on the caller's thread), and returns once every part is done. The parts must not
// write the same memory; which thread runs a part never changes what it computes.
#pragma once

#include <functional>

// How many parts a job is split into: the machine's cores, at least 1 and at most 8.
int parallel_parts();

// Calls part(i) for i in [0, parts), concurrently, and waits for all of them.
void parallel_for(int parts, const std::function<void(int)>& part);
