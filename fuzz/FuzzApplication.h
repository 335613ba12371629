#pragma once
// The application every fuzz target runs in, as a program that loads forms has one: streams
// name stock controls, which measure text and make windows.

#include <cstdlib>

#include "host/controls/Forms.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application->Initialize(*argc, *argv);
    return 0;
}
