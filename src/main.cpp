#include "app/ui/inditas.h"

int main(int argc, char** argv)
{
    return kvx::KavarexFuttatas(argc, argv);
}
