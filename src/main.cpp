#include "desktop/application_main.h"

int main(int argc, char **argv)
{
    return nimbrel::applicationMain(argc, argv);
}
