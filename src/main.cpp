#include "shell/inditas.h"
#include "app/ui/program.h"

int main(int argc, char** argv)
{
    // Every unit's state lives here, from before the first window until after
    // the last worker has stopped.
    kvx::Program program;
    return kvx::KavarexFuttatas(program, argc, argv);
}
