#pragma once
// The stores load once per process, on first use. To time that load again
// and again, every measurement runs in a fresh child process (this program
// started anew), which loads the store from the compiled-in texts and the
// progress files in the working directory and reports the time.

#include <string>

class StoreLoadTiming
{
public:
    // Child side: loads "kanji" or "words", prints the nanoseconds; exit code.
    static int timeInThisProcess(const std::string& store);

    // Parent side: runs a child for the store and returns its time in
    // seconds, or a negative number when the child failed.
    static double timeInChild(const std::string& store);
};
