// The growth engine as the growing-scrub scene uses it: the same engine, whose links the
// scene may switch to curved tubes through spline_links.
// It adds nothing of its own.
#pragma once

#include "cScrub.h"

class cScrubSpline : public cScrub {};
