// Preloaded into the instrument program by its start test: stands in for the
// C library's mallopt, appends each call (parameter, value and the C library's
// answer) to the file TAMARIND_MALLOPT_RECORD names, and leaves the setting to
// the C library, so that the program runs as it would without it.

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) int mallopt(int pParameter, int pValue)
{
    using TMallopt = int (*)(int, int);
    static const auto cLibrarysOwn = reinterpret_cast<TMallopt>(::dlsym(RTLD_NEXT, "mallopt"));
    const int answer = cLibrarysOwn ? cLibrarysOwn(pParameter, pValue) : 0;
    const char* path = std::getenv("TAMARIND_MALLOPT_RECORD");
    if (FILE* record = path ? std::fopen(path, "a") : nullptr) {
        std::fprintf(record, "%d %d %d\n", pParameter, pValue, answer);
        std::fclose(record);
    }
    return answer;
}
