// The program's entry point; the program defines its application object.
#include "platform/win_app.h"

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
