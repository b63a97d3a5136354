// Settings for jemalloc, which the programs allocate with; it reads them
// from this symbol. A rewrap allocates and frees a buffer for every packet,
// mostly on one thread and freed on another; glibc's allocator spent a
// fifth of a conversion's time on that and made a second thread slower
// still. One arena is plenty for two streaming threads, and blocks of 1 MiB
// and more (the multiplexer's cluster buffer as it grows) go back to the
// system at once, so peak memory stays that of the live data.
extern "C" {
extern const char* malloc_conf;
const char* malloc_conf = "narenas:1,oversize_threshold:1048576";
}
