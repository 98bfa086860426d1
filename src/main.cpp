#include "runtrainer.h"

int main(int argc, char *argv[])
{
    return RunTrainer(argc, argv);
}
