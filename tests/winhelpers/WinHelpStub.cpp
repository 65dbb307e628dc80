// A program that looks like the winhlp32.exe of newer Windows to the help viewer probe: its version
// resource describes it as the stub, while it is as large as a real viewer, so that only the description
// can tell it. Built with the window tests, which probe it; it is never run.
static volatile const char kBulk[96 * 1024] = {1};

int main(int argc, char**) { return kBulk[argc]; }
