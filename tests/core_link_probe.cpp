// Linked with the whole core library and nothing else; see CMakeLists.txt.
#include <cstdio>

int main() {
    std::puts("vanta_core links with the standard library alone");
    return 0;
}
