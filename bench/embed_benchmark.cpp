// Embedding a media file as a data URI, natively over the stand-in platform:
// each base64 encoder this processor runs (AVX2, SSSE3, the pair table)
// beside a byte-at-a-time one, and the whole ZUVO_Set path, streamed and the
// plain way, with the peak memory each holds.
//   build/native/bench/embed_benchmark [--benchmark_filter=...]
// ZUVO_BENCH_MB sets the file size for the embedding runs (default 100).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "host/entry_points.h"
#include "host/host_state.h"
#include "host/host_strings.h"
#include "platform/file_access.h"
#include "platform/host_memory.h"
#include "script/action_scripts.h"
#include "script/base64.h"
#include "script/data_uri_embedding.h"
#include "script/script_dispatch.h"

// Every heap allocation of the process, so the plain path's strings count.
namespace {
size_t heapLive = 0;
size_t heapPeak = 0;
}  // namespace

void* operator new(size_t bytes) {
  void* block = std::malloc(bytes + 16);
  if (!block) throw std::bad_alloc();
  *static_cast<size_t*>(block) = bytes;
  heapLive += bytes;
  if (heapLive > heapPeak) heapPeak = heapLive;
  return static_cast<char*>(block) + 16;
}
void operator delete(void* block) noexcept {
  if (!block) return;
  char* start = static_cast<char*>(block) - 16;
  heapLive -= *reinterpret_cast<size_t*>(start);
  std::free(start);
}
void operator delete(void* block, size_t) noexcept { operator delete(block); }

namespace {
size_t benchFileBytes() {
  const char* mb = std::getenv("ZUVO_BENCH_MB");
  return static_cast<size_t>(mb ? std::atoi(mb) : 100) * 1000 * 1000;
}

std::vector<unsigned char> randomBytes(size_t length) {
  std::vector<unsigned char> bytes(length);
  std::mt19937 random(1);
  for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
  return bytes;
}

// The shape of a classic encoder: four table lookups per three bytes.
void byteAtATimeBase64(const unsigned char* in, size_t bytes, char* out) {
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  size_t i = 0;
  for (; i + 3 <= bytes; i += 3) {
    *out++ = alphabet[in[i] >> 2];
    *out++ = alphabet[((in[i] & 3) << 4) | (in[i + 1] >> 4)];
    *out++ = alphabet[((in[i + 1] & 15) << 2) | (in[i + 2] >> 6)];
    *out++ = alphabet[in[i + 2] & 63];
  }
}

// Arguments: the encoder (Base64Encoder as a number) and the input size.
void BM_Base64Encode(benchmark::State& state) {
  auto encoder = static_cast<Base64Encoder>(state.range(0));
  if (!base64EncoderRuns(encoder)) {
    state.SkipWithError("this processor does not run this encoder");
    return;
  }
  std::vector<unsigned char> in = randomBytes(static_cast<size_t>(state.range(1)));
  std::string out(static_cast<size_t>(base64Length(in.size())), '\0');
  for (auto _ : state) {
    base64EncodeWith(encoder, in.data(), in.size(), out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetLabel(encoder == Base64Encoder::avx2 ? "AVX2" : encoder == Base64Encoder::ssse3 ? "SSSE3" : "pair table");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(1));
}
BENCHMARK(BM_Base64Encode)->ArgsProduct({{2, 1, 0}, {64 << 10, 768 << 10, 16 << 20}});

void BM_Base64ByteAtATime(benchmark::State& state) {
  std::vector<unsigned char> in = randomBytes(static_cast<size_t>(state.range(0)));
  std::string out(static_cast<size_t>(base64Length(in.size())), '\0');
  for (auto _ : state) {
    byteAtATimeBase64(in.data(), in.size() - in.size() % 3, out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Base64ByteAtATime)->Arg(64 << 10)->Arg(16 << 20);

// A media file in the page cache, named as an author would name it.
std::u16string mediaFile() {
  static std::u16string path = [] {
    std::filesystem::path file = std::filesystem::temp_directory_path() / "zuvo-embed-bench.mp4";
    std::vector<unsigned char> bytes = randomBytes(benchFileBytes());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::u16string author = u"Z:";
    for (char c : file.string()) author.push_back(c == '/' ? u'\\' : static_cast<char16_t>(c));
    return author;
  }();
  return path;
}

size_t lineBytes = 0;
int32_t KS_STDCALL takeLine(HostString line) {
  lineBytes = std::char_traits<char>::length(line);
  return 1;
}

// Peak memory beyond the line that Kesto receives, over all three kinds of
// allocation: host blocks, file buffers and the heap.
struct PeakMemory {
  PeakMemory() {
    hostMemoryResetPeak();
    fileBufferResetPeak();
    heapPeak = heapLive;
    hostMemoryStats(host);
    fileBufferStats(buffers);
    heap = heapLive;
  }
  double beyondLineMB() const {
    HostMemoryStats hostNow;
    FileBufferStats buffersNow;
    hostMemoryStats(hostNow);
    fileBufferStats(buffersNow);
    double peak = double(hostNow.peakBytes - host.liveBytes) + double(buffersNow.peakBytes - buffers.liveBytes) +
                  double(heapPeak - heap);
    return (peak - double(lineBytes + 1)) / 1e6;
  }
  HostMemoryStats host;
  FileBufferStats buffers;
  size_t heap;
};

void reportEmbedding(benchmark::State& state, const PeakMemory& memory) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(benchFileBytes()));
  state.counters["file_MB"] = benchFileBytes() / 1e6;
  state.counters["peak_beyond_line_MB"] = memory.beyondLineMB();
  state.counters["line_MB"] = lineBytes / 1e6;
}

void BM_EmbedStreamed(benchmark::State& state) {
  std::u16string path = mediaFile();
  hostState.scriptProcessor = takeLine;
  std::vector<HostString> parameters = {toHostString(u"R"), toHostString(u"v"), toHostString(u"src"),
                                        toHostString(path)};
  PeakMemory memory;
  for (auto _ : state) ksExecAction(1, parameters.data());
  reportEmbedding(state, memory);
  for (HostString p : parameters) freeHostString(p);
}
BENCHMARK(BM_EmbedStreamed)->Unit(benchmark::kMillisecond)->UseRealTime();

// The plain way: the data URI as text, the line as UTF-16, then converted.
void BM_EmbedWholeFile(benchmark::State& state) {
  std::u16string path = mediaFile();
  hostState.scriptProcessor = takeLine;
  PeakMemory memory;
  for (auto _ : state) {
    std::u16string dataUri;
    embedFileAsDataUri(path, dataUri);
    std::u16string script = fillScript(findActionScript(kZuvoSet, {}),
                                       {{u'C', u"v"}, {u'P', u"src"}, {u'V', dataUri, HoleFill::verbatim}});
    runHostScript(scriptCommandLine(u"R", script));
  }
  reportEmbedding(state, memory);
}
BENCHMARK(BM_EmbedWholeFile)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
