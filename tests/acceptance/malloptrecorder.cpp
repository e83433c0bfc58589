// Preloaded into the instrument program by its start test: stands in for the
// C library's mallopt, appends each call (parameter, value and the C library's
// answer) to the file TAMARIND_MALLOPT_RECORD names, and leaves the setting to
// the C library, so that the program runs as it would without it.
// It stands in for bind as well: with TAMARIND_PORT_STANDIN="PORT:OTHER", an
// IPv4 socket bound to TCP port PORT is bound to OTHER instead (0: any free
// port). A program that falls back on its default remote port then keeps off
// it without a network of its own, which not every system gives a user: the
// port is that of the user's own program.

#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

extern "C" __attribute__((visibility("default"))) int bind(int pSocket, const sockaddr* pAddress, socklen_t pLength)
{
    using TBind = int (*)(int, const sockaddr*, socklen_t);
    static const auto cLibrarysOwn = reinterpret_cast<TBind>(::dlsym(RTLD_NEXT, "bind"));
    if (!cLibrarysOwn)
        return -1;
    const char* standIn = std::getenv("TAMARIND_PORT_STANDIN");
    unsigned port = 0;
    unsigned other = 0;
    sockaddr_in address = {};
    if (standIn && std::sscanf(standIn, "%u:%u", &port, &other) == 2 && pAddress &&
        pLength >= socklen_t(sizeof address) && pAddress->sa_family == AF_INET) {
        std::memcpy(&address, pAddress, sizeof address);
        if (ntohs(address.sin_port) == port) {
            address.sin_port = htons(uint16_t(other));
            return cLibrarysOwn(pSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        }
    }
    return cLibrarysOwn(pSocket, pAddress, pLength);
}
