// Saves two different records into the settings file named on the command
// line, one after the other, until it is killed: the crash test kills it at
// random moments and checks what the file holds afterwards. It tells the test
// on its standard output when it starts saving, so that the kills fall among
// saves rather than into the start of the process (long under sanitizers).
#include <exception>
#include <iostream>

#include "SaveLoopRecords.h"
#include "settings/GameSettings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kestrune_save_loop <Baldur.ini>\n";
        return 2;
    }
    try {
        std::cout << "saving" << std::endl;
        for (;;) {
            SaveGameSettings(argv[1], save_loop::OldRecord());
            SaveGameSettings(argv[1], save_loop::NewRecord());
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
