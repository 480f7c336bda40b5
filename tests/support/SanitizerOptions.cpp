// Built into the tests only under the sanitizers: the options and the leak
// suppressions live in the program, so every way of starting it (ctest, test
// discovery at build time, a developer's shell) behaves the same.
#ifdef KORVEL_SANITIZE

extern "C" {

const char* __asan_default_options() { return "detect_stack_use_after_return=1"; }

const char* __ubsan_default_options() { return "print_stacktrace=1"; }

// Qt Multimedia's PulseAudio connection, made once per process by the first player,
// is never freed by the audio library when no sound server answers.
const char* __lsan_default_suppressions() { return "leak:libpulse.so\n"; }
}

#endif
