#pragma once

// Runs the calling thread one scheduling step below normal: its nice value
// becomes one higher than the process's nice value at the first call. Calling
// it again keeps that level. A refusal by the system changes nothing.
void LowerThreadPriority();
