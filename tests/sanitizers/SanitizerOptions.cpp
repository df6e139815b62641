// Linked into every test program of the sanitized build. The runtimes read these before main, so
// the options hold however a test is started (ctest, by hand, in a debugger), unlike environment
// variables that a runner may or may not pass on.

#ifndef QV_LSAN_SUPPRESSIONS
#error "QV_LSAN_SUPPRESSIONS must name the leak suppressions file"
#endif

extern "C" const char* __asan_default_options()
{
    return "detect_leaks=1:abort_on_error=1:strict_string_checks=1";
}

extern "C" const char* __lsan_default_options()
{
    return "suppressions=" QV_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
