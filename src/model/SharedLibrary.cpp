#include "model/SharedLibrary.h"

#include <dlfcn.h>

namespace sorn {

SharedLibrary::SharedLibrary(const char* soname) : soname_(soname) {
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : soname_ + ": cannot be opened";
    }
}

void* SharedLibrary::Symbol(const char* name) {
    if (!handle_) return nullptr;
    void* symbol = dlsym(handle_, name);
    if (!symbol && error_.empty()) error_ = soname_ + ": " + name + " is missing";
    return symbol;
}

} // namespace sorn
