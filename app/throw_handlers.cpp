// The program's own definitions of the C++ runtime's throw helpers, in place of the toolchain's.
// The runtime's string and container code calls these when an operation cannot be done (a text
// grown beyond its largest size, say). The toolchain's versions throw an exception, and for that
// link in every standard exception class with its own copy of the string code, about 57 KB of
// the program's size. This program catches no exception: whatever those throw reaches the
// terminate handler (terminate_handler.cpp), which ends the process. These end it directly.
#include <cstdlib>
#include <string>  // declares the helpers

namespace std {

void __throw_bad_exception() {
    abort();
}
void __throw_bad_alloc() {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
void __throw_bad_cast() {
    abort();
}
void __throw_bad_typeid() {
    abort();
}
void __throw_logic_error(const char*) {
    abort();
}
void __throw_domain_error(const char*) {
    abort();
}
void __throw_invalid_argument(const char*) {
    abort();
}
void __throw_length_error(const char*) {
    abort();
}
void __throw_out_of_range(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}
void __throw_runtime_error(const char*) {
    abort();
}
void __throw_range_error(const char*) {
    abort();
}
void __throw_overflow_error(const char*) {
    abort();
}
void __throw_underflow_error(const char*) {
    abort();
}

}  // namespace std
