#pragma once
// A shared library opened by name the first time a feature needs it. The
// sound synthesizer and the zip container bring large trees of libraries
// along; linked in, they would load, and cost their start-up, for every
// command and window that never uses them.
//
// A table of a library's functions is a struct of pointers under the
// functions' own names, declared and resolved from one list:
//
//   #define MY_FUNCTIONS(X) X(foo_open) X(foo_close)
//   struct FooLibrary { MY_FUNCTIONS(SORN_FUNCTION_POINTER) };
//   ... MY_FUNCTIONS(SORN_RESOLVE_FUNCTION) with `library` and `table` in scope.

#include <string>

namespace sorn {

class SharedLibrary {
public:
    // Opens the library; it stays loaded for the life of the program, as
    // threads it starts may outlive any one user of it.
    explicit SharedLibrary(const char* soname);

    // Sets `function` to the library's `name`, or to null, and then Error()
    // names what is missing.
    template <typename Function> void Resolve(Function*& function, const char* name) {
        function = reinterpret_cast<Function*>(Symbol(name));
    }

    // True when the library opened and every function resolved.
    bool Complete() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

private:
    void* Symbol(const char* name);

    std::string soname_;
    void* handle_ = nullptr;
    std::string error_;
};

#define SORN_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
#define SORN_RESOLVE_FUNCTION(name) library.Resolve(table.name, #name);

} // namespace sorn
