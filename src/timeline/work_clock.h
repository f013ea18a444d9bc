#pragma once

namespace sw4 {

// The processor time this thread has used, in seconds: the work done between two events, with
// the time spent waiting for them (or preempted) left out.
double threadSeconds();

}  // namespace sw4
