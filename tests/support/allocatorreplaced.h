#pragma once

// Whether a sanitizer's allocator takes the place of the C library's in this
// build: the C library's then neither follows the program's allocator setting
// nor counts blocks, and the sanitizer's runtime must be the first library a
// program loads, before any preloaded one.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TAMARIND_ALLOCATOR_REPLACED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define TAMARIND_ALLOCATOR_REPLACED 1
#endif
#endif
