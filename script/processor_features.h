#pragma once
// What the processor this code runs on offers beyond the baseline the build
// assumes, asked of the processor itself (CPUID) and, for the wide vector
// registers, of the operating system, which must save them on a thread
// switch (XGETBV). Nothing else decides: no setting, no environment.
struct ProcessorFeatures {
  bool ssse3 = false;
  bool avx2 = false;
};
ProcessorFeatures processorFeatures();
