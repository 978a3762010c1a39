// The program.
#include "zktools/forms/program_start.h"

int main(int argc, char** argv) {
    return RunTool(argc, argv);
}
