#pragma once

// This process's resident memory in MB, from /proc/self/status; 0 where it cannot be read.

// The kernel's high-water mark (VmHWM).
double peakResidentMb();
// What is resident now (VmRSS).
double currentResidentMb();
