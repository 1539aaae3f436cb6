#include "common/vorn.h"

int main(int argc, char** argv) { return vorn::vornmain(argc, argv); }
