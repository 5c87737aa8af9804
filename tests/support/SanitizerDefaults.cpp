// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// The options of the sanitizer build, compiled into each of its programs; the
// runtimes ask for them before reading ASAN_OPTIONS, UBSAN_OPTIONS and
// LSAN_OPTIONS, which can still override them. Leak checking stays on and the
// first finding stops the program, so a report can never scroll past in the
// log of a test that passed.

extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:"
           "strict_init_order=1:strict_string_checks=1";
}

const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

const char* __lsan_default_options()
{
    return "print_suppressions=0";
}

// Leaks of the system's own libraries, should any show up, are listed here
// one "leak:<function or library>" a line, each with the reason.
const char* __lsan_default_suppressions()
{
    return "";
}

}
