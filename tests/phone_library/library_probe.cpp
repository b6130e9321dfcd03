// A small library for the library-call tests: entries that show what arguments they were given.
#include <cstdint>

extern "C" {
__declspec(dllexport) int32_t __stdcall probe_none();
__declspec(dllexport) int32_t __stdcall probe_minus_one();
__declspec(dllexport) int32_t __stdcall probe_digits1(int32_t a);
__declspec(dllexport) int32_t __stdcall probe_digits2(int32_t a, int32_t b);
__declspec(dllexport) int32_t __stdcall probe_digits3(int32_t a, int32_t b, int32_t c);
__declspec(dllexport) int32_t __stdcall probe_digits4(int32_t a, int32_t b, int32_t c, int32_t d);
__declspec(dllexport) int32_t __stdcall probe_store(int32_t* where, int32_t value);
__declspec(dllexport) int32_t __stdcall probe_calls();
}

namespace {
int32_t calls = 0;
}

int32_t __stdcall probe_none() {
    ++calls;
    return 77;
}

int32_t __stdcall probe_minus_one() {
    ++calls;
    return -1;
}

// The arguments as decimal digits, first argument first: (1, 2, 3) gives 123.
int32_t __stdcall probe_digits1(int32_t a) {
    ++calls;
    return a;
}

int32_t __stdcall probe_digits2(int32_t a, int32_t b) {
    ++calls;
    return a * 10 + b;
}

int32_t __stdcall probe_digits3(int32_t a, int32_t b, int32_t c) {
    ++calls;
    return a * 100 + b * 10 + c;
}

int32_t __stdcall probe_digits4(int32_t a, int32_t b, int32_t c, int32_t d) {
    ++calls;
    return a * 1000 + b * 100 + c * 10 + d;
}

// Writes through a caller's address: the whole address must arrive.
int32_t __stdcall probe_store(int32_t* where, int32_t value) {
    ++calls;
    *where = value;
    return 1;
}

// How many probe entries have been called since the library was loaded.
int32_t __stdcall probe_calls() {
    return calls;
}
