// The --print-face mode: the face the saved settings give now or at a moment.
#pragma once

struct CommandLine;

// Prints the face and a newline; the exit code.
int RunPrintFace(const CommandLine& commandLine);
