// A console tool for the tests of captured output, started as the editor
// starts tools:
//   print N          N lines "line 00001" ... of 12 bytes with CR LF
//   args A B ...     each argument as "[A]" on a line of its own
//   stdin            reads its input to the end, then says how much came
//   slow             a line, two seconds of silence, 200 more lines
//   record FILE A..  writes its arguments after FILE, joined by "|", to FILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Write(const std::string& text)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void PrintLines(int count)
{
    for (int i = 1; i <= count; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "line %05d\r\n", i);
        Write(line);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string mode = argv[1];
    if (mode == "print" && argc == 3) {
        PrintLines(std::atoi(argv[2]));
    } else if (mode == "args") {
        for (int i = 2; i < argc; ++i)
            Write(std::string("[") + argv[i] + "]\r\n");
    } else if (mode == "stdin") {
        char buffer[256];
        DWORD got = 0;
        unsigned long total = 0;
        while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &got, nullptr) && got > 0)
            total += got;
        Write("read " + std::to_string(total) + " bytes\r\n");
    } else if (mode == "slow") {
        Write("first\r\n");
        Sleep(2000);
        PrintLines(200);
    } else if (mode == "record" && argc >= 3) {
        std::string text;
        for (int i = 3; i < argc; ++i)
            text += (i > 3 ? "|" : "") + std::string(argv[i]);
        FILE* file = std::fopen(argv[2], "wb");
        if (!file)
            return 1;
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    } else {
        return 2;
    }
    return 0;
}
