#include "KeldraIni.h"

int main(int argc, char** argv) {
    return KeldraIni::Main({argv + 1, argv + argc});
}
