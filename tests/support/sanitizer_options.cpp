// Sanitizer settings for the test programs that run Qt and its Chromium, which
// are not built with the sanitizers. Compiled into each such program (a hook
// in a static library would never be linked in).

#ifdef __SANITIZE_ADDRESS__
// Chromium inside libQt6WebEngineCore deletes some objects through a pointer
// of a smaller type (seen in its own frames only); that check would stop
// every test that creates a browser box.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

#ifdef __SANITIZE_THREAD__
// Qt's locks and allocations from its own code are invisible to ThreadSanitizer
// and would be reported as races; our own code stays checked.
extern "C" const char* __tsan_default_options() {
    return "ignore_noninstrumented_modules=1";
}
// Chromium's thread pool inside WebEngine leaves its threads unjoined at exit.
extern "C" const char* __tsan_default_suppressions() {
    return "thread:libQt6WebEngineCore.so.6\n";
}
#endif
