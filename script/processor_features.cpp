#include "script/processor_features.h"

#include <cpuid.h>

#include <cstdint>

namespace {
constexpr unsigned kLeaf1EcxSsse3 = 1u << 9;
constexpr unsigned kLeaf1EcxOsXsave = 1u << 27;
constexpr unsigned kLeaf1EcxAvx = 1u << 28;
constexpr unsigned kLeaf7EbxAvx2 = 1u << 5;
// XCR0 bits of the state the operating system saves: SSE and AVX registers.
constexpr uint64_t kXcr0SseAndAvxState = 0x6;

// XCR0, the register state the operating system has enabled; only to be
// read once CPUID reports OSXSAVE.
uint64_t enabledRegisterState() {
  uint32_t low = 0, high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (uint64_t{high} << 32) | low;
}

ProcessorFeatures askProcessor() {
  ProcessorFeatures features;
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return features;
  features.ssse3 = (ecx & kLeaf1EcxSsse3) != 0;
  bool avxSaved = (ecx & kLeaf1EcxOsXsave) && (ecx & kLeaf1EcxAvx) &&
                  (enabledRegisterState() & kXcr0SseAndAvxState) == kXcr0SseAndAvxState;
  unsigned leaf7Ebx = 0;
  if (avxSaved && __get_cpuid_count(7, 0, &eax, &leaf7Ebx, &ecx, &edx)) features.avx2 = (leaf7Ebx & kLeaf7EbxAvx2) != 0;
  return features;
}
}  // namespace

ProcessorFeatures processorFeatures() {
  static const ProcessorFeatures features = askProcessor();
  return features;
}
