// Program entry. Until the platform layer and the pages exist, the program only reports what it
// is and exits.
#include <cstdio>

int main() {
    std::puts("Velmora: the foundation is built (containers, templates, records, archives);"
              " the window and the game are not there yet.");
    return 0;
}
