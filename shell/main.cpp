// Program entry.
#include "shell/entry.h"
#include "shell/first_page.h"
#include "shell/game_page.h"

int main(int argc, char** argv) {
    velmora::setPageMaker(velmora::makeFrontEndPage);
    return velmora::velmoraMain(argc, argv);
}
