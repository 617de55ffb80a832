// Under AddressSanitizer, new memory is filled with a non-zero byte however large the block, so
// that a block which fails to zero its new space is caught rather than hidden by fresh pages.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() {
    return "max_malloc_fill_size=2147483647:malloc_fill_byte=190";
}
#endif
