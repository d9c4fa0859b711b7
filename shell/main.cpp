// Program entry.
#include "shell/entry.h"
#include "shell/first_page.h"
#include "shell/game_start.h"

int main(int argc, char** argv) {
    velmora::setPageMaker(velmora::makeFirstPage);
    return velmora::velmoraMain(argc, argv);
}
