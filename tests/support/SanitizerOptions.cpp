// Built into the tests only under the sanitizers: the options live in the program, so
// every way of starting it (ctest, test discovery at build time, a developer's shell)
// behaves the same.
#ifdef KORVEL_SANITIZE

extern "C" {

const char* __asan_default_options() { return "detect_stack_use_after_return=1"; }

const char* __ubsan_default_options() { return "print_stacktrace=1"; }
}

#endif
