// Saves two different records into the settings file named on the command
// line, one after the other, until it is killed: the crash test kills it at
// random moments and checks what the file holds afterwards.
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
        for (;;) {
            SaveGameSettings(argv[1], save_loop::NewRecord());
            SaveGameSettings(argv[1], save_loop::OldRecord());
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
